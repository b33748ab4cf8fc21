#include "tips/wininet_http_client_win.h"

#include <wininet.h>

#include <string>

#include "base/text_win.h"
#include "base/unique_handle_win.h"
#include "tips/capped_body.h"

namespace quorvane {
namespace {

struct InternetHandleTraits {
  static HINTERNET Invalid() { return nullptr; }
  static void Close(HINTERNET handle) { InternetCloseHandle(handle); }
};
using UniqueInternet = UniqueHandle<HINTERNET, InternetHandleTraits>;

struct UrlParts {
  bool secure = false;
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring pathAndQuery;
};

bool CrackUrl(const std::wstring& url, UrlParts& parts) {
  // Non-zero lengths with null pointers ask for pointers into url.
  URL_COMPONENTSW components{sizeof(components)};
  components.dwHostNameLength = 1;
  components.dwUrlPathLength = 1;
  components.dwExtraInfoLength = 1;
  if (!InternetCrackUrlW(url.c_str(), static_cast<DWORD>(url.size()), 0, &components)) return false;
  if (components.nScheme != INTERNET_SCHEME_HTTP && components.nScheme != INTERNET_SCHEME_HTTPS) return false;
  parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
  parts.host.assign(components.lpszHostName, components.dwHostNameLength);
  parts.port = components.nPort;
  parts.pathAndQuery.assign(components.lpszUrlPath, components.dwUrlPathLength);
  parts.pathAndQuery.append(components.lpszExtraInfo, components.dwExtraInfoLength);
  if (parts.pathAndQuery.empty()) parts.pathAndQuery = L"/";
  return true;
}

// Under Wine the time-outs are ignored on the session handle; they hold only
// on the connection and request handles, and must be set before sending.
void SetTimeouts(HINTERNET handle, DWORD milliseconds) {
  for (const DWORD option :
       {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    InternetSetOptionW(handle, option, &milliseconds, sizeof(milliseconds));
}

std::optional<DWORD> QueryNumber(HINTERNET request, DWORD info) {
  DWORD value = 0, size = sizeof(value);
  if (!HttpQueryInfoW(request, info | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) return std::nullopt;
  return value;
}

class ResponseBody : public ByteSource {
 public:
  explicit ResponseBody(HINTERNET request) : request_(request) {}
  std::optional<std::size_t> Read(std::span<char> buffer) override {
    DWORD read = 0;
    if (!InternetReadFile(request_, buffer.data(), static_cast<DWORD>(buffer.size()), &read))
      return std::nullopt;
    return read;
  }

 private:
  HINTERNET request_;
};

}  // namespace

HttpResponse WinInetHttpClient::Get(std::string_view url, std::size_t maxBodyBytes) {
  HttpResponse response;
  UrlParts parts;
  if (!CrackUrl(Widen(url), parts)) return response;

  const UniqueInternet session(
      InternetOpenW(L"Quorvane/1.0", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return response;
  const UniqueInternet connection(InternetConnectW(session.Get(), parts.host.c_str(), parts.port, nullptr,
                                                   nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return response;
  SetTimeouts(connection.Get(), timeoutMilliseconds_);

  const wchar_t* acceptTypes[] = {L"*/*", nullptr};
  // Always from the server: a cached copy would not be an update. No
  // dialogs either; this runs on a worker thread.
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                      INTERNET_FLAG_NO_UI | (parts.secure ? INTERNET_FLAG_SECURE : 0);
  const UniqueInternet request(HttpOpenRequestW(connection.Get(), L"GET", parts.pathAndQuery.c_str(), nullptr,
                                                nullptr, acceptTypes, flags, 0));
  if (!request) return response;
  SetTimeouts(request.Get(), timeoutMilliseconds_);
  if (!HttpSendRequestW(request.Get(), nullptr, 0, nullptr, 0)) return response;

  // A server that never answers can leave WinINet "succeeding" with status 0.
  response.status = static_cast<int>(QueryNumber(request.Get(), HTTP_QUERY_STATUS_CODE).value_or(0));
  ResponseBody source(request.Get());
  CappedBody body = ReadCappedBody(source, maxBodyBytes);
  response.transportOk = body.end != BodyEnd::Broken;
  // A connection closed early ends the body without an error; the announced
  // length tells.
  const std::optional<DWORD> announced = QueryNumber(request.Get(), HTTP_QUERY_CONTENT_LENGTH);
  response.complete = body.end == BodyEnd::Complete && (!announced || *announced == body.bytes.size());
  response.body = std::move(body.bytes);
  return response;
}

}  // namespace quorvane
