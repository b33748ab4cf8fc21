#pragma once
// Runs a GET on a worker thread while this thread goes on dispatching window
// messages, so the program's windows keep painting and the tray keeps
// answering during a download. Returns only when the download has ended.
#include "tips/http_client.h"

namespace quorvane {

class MessagePumpingHttpClient : public HttpClient {
 public:
  explicit MessagePumpingHttpClient(HttpClient& worker) : worker_(worker) {}
  HttpResponse Get(std::string_view url, std::size_t maxBodyBytes) override;

 private:
  HttpClient& worker_;
};

}  // namespace quorvane
