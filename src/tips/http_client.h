#pragma once
// One HTTP GET, as the tip update needs it.
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane {

struct HttpResponse {
  // The server was reached, the request sent and the body read to its end
  // or to the size limit, all within the time-outs.
  bool transportOk = false;
  int status = 0;
  std::string body;
  // The whole body arrived: it ended within the limit and, where the server
  // announced a length, had that length.
  bool complete = false;
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // Stops reading once the body grows past maxBodyBytes.
  virtual HttpResponse Get(std::string_view url, std::size_t maxBodyBytes) = 0;
};

}  // namespace quorvane
