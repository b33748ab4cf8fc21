#pragma once
// HTTP and HTTPS GET through WinINet, with the user's proxy settings.
#include <windows.h>

#include "tips/http_client.h"

namespace quorvane {

class WinInetHttpClient : public HttpClient {
 public:
  // The time-out applies to connecting, sending and each wait for data.
  explicit WinInetHttpClient(DWORD timeoutMilliseconds) : timeoutMilliseconds_(timeoutMilliseconds) {}
  HttpResponse Get(std::string_view url, std::size_t maxBodyBytes) override;

 private:
  DWORD timeoutMilliseconds_;
};

}  // namespace quorvane
