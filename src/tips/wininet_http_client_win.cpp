#include "tips/wininet_http_client_win.h"

#include <string>

#include "base/text_win.h"
#include "base/unique_handle_win.h"
#include "tips/capped_body.h"
#include "tips/wininet_library_win.h"

namespace quorvane {
namespace {

struct InternetHandleTraits {
  static HINTERNET Invalid() { return nullptr; }
  static void Close(HINTERNET handle) { WinInet()->closeHandle(handle); }
};
using UniqueInternet = UniqueHandle<HINTERNET, InternetHandleTraits>;

struct UrlParts {
  bool secure = false;
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring pathAndQuery;
};

bool CrackUrl(const WinInetFunctions& api, const std::wstring& url, UrlParts& parts) {
  // Non-zero lengths with null pointers ask for pointers into url.
  URL_COMPONENTSW components{sizeof(components)};
  components.dwHostNameLength = 1;
  components.dwUrlPathLength = 1;
  components.dwExtraInfoLength = 1;
  if (!api.crackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &components)) return false;
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
void SetTimeouts(const WinInetFunctions& api, HINTERNET handle, DWORD milliseconds) {
  for (const DWORD option :
       {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    api.setOption(handle, option, &milliseconds, sizeof(milliseconds));
}

std::optional<DWORD> QueryNumber(const WinInetFunctions& api, HINTERNET request, DWORD info) {
  DWORD value = 0, size = sizeof(value);
  if (!api.queryInfo(request, info | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) return std::nullopt;
  return value;
}

class ResponseBody : public ByteSource {
 public:
  ResponseBody(const WinInetFunctions& api, HINTERNET request) : api_(api), request_(request) {}
  std::optional<std::size_t> Read(std::span<char> buffer) override {
    DWORD read = 0;
    if (!api_.readFile(request_, buffer.data(), static_cast<DWORD>(buffer.size()), &read))
      return std::nullopt;
    return read;
  }

 private:
  const WinInetFunctions& api_;
  HINTERNET request_;
};

}  // namespace

HttpResponse WinInetHttpClient::Get(std::string_view url, std::size_t maxBodyBytes) {
  HttpResponse response;
  const WinInetFunctions* const loaded = WinInet();
  if (!loaded) return response;
  const WinInetFunctions& api = *loaded;
  UrlParts parts;
  if (!CrackUrl(api, Widen(url), parts)) return response;

  const UniqueInternet session(api.open(L"Quorvane/1.0", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return response;
  const UniqueInternet connection(api.connect(session.Get(), parts.host.c_str(), parts.port, nullptr, nullptr,
                                              INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return response;
  SetTimeouts(api, connection.Get(), timeoutMilliseconds_);

  const wchar_t* acceptTypes[] = {L"*/*", nullptr};
  // Always from the server: a cached copy would not be an update. No
  // dialogs either; this runs on a worker thread.
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                      INTERNET_FLAG_NO_UI | (parts.secure ? INTERNET_FLAG_SECURE : 0);
  const UniqueInternet request(api.openRequest(connection.Get(), L"GET", parts.pathAndQuery.c_str(), nullptr,
                                               nullptr, acceptTypes, flags, 0));
  if (!request) return response;
  SetTimeouts(api, request.Get(), timeoutMilliseconds_);
  if (!api.sendRequest(request.Get(), nullptr, 0, nullptr, 0)) return response;

  // A server that never answers can leave WinINet "succeeding" with status 0.
  response.status = static_cast<int>(QueryNumber(api, request.Get(), HTTP_QUERY_STATUS_CODE).value_or(0));
  ResponseBody source(api, request.Get());
  CappedBody body = ReadCappedBody(source, maxBodyBytes);
  response.transportOk = body.end != BodyEnd::Broken;
  // A connection closed early ends the body without an error; the announced
  // length tells.
  const std::optional<DWORD> announced = QueryNumber(api, request.Get(), HTTP_QUERY_CONTENT_LENGTH);
  response.complete = body.end == BodyEnd::Complete && (!announced || *announced == body.bytes.size());
  response.body = std::move(body.bytes);
  return response;
}

}  // namespace quorvane
