// A small HTTP server on 127.0.0.1 that stands in for a web server the
// program talks to. The program reaches it as its proxy (see ProxyFor), so
// the server sees the full address the program asked for, and answers every
// request with the reply the test chose.
#pragma once

#include <winsock2.h>

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quorvane_e2e {

struct HttpReply {
  int status = 200;
  std::string body;
  // The Content-Length sent; without one, the body's own size. A larger
  // number makes a reply whose body is cut off when the connection closes.
  std::optional<std::size_t> announcedLength;
};

class LocalHttpServer {
 public:
  // Listens on a free port at once; throws when it cannot.
  LocalHttpServer();
  // Stops answering and closes everything.
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  // "http://127.0.0.1:<port>", the proxy address for the program.
  std::string Address() const;

  void SetReply(HttpReply reply);

  // While held, a request is read and recorded but its reply waits, as from
  // a slow server, until Release (or the server stops).
  void Hold();
  void Release();

  // Closes the listening socket: from now on connections are refused.
  void StopListening();

  // The request line of each request so far ("GET <address> HTTP/1.1").
  std::vector<std::string> RequestLines() const;
  // Waits until `count` requests have come; false after the patience limit.
  bool WaitForRequests(std::size_t count) const;

 private:
  void Serve();
  void Answer(SOCKET connection);

  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::thread thread_;

  mutable std::mutex mutex_;
  std::condition_variable released_;
  bool stopping_ = false;
  bool held_ = false;
  HttpReply reply_;
  std::vector<std::string> requestLines_;
};

// Sets the proxy of programs started while it lives: WinINet, told to use
// the system's settings, takes http_proxy from the environment under Wine.
class ProxyForStartedPrograms {
 public:
  explicit ProxyForStartedPrograms(const std::string& proxyAddress);
  ~ProxyForStartedPrograms();
  ProxyForStartedPrograms(const ProxyForStartedPrograms&) = delete;
  ProxyForStartedPrograms& operator=(const ProxyForStartedPrograms&) = delete;
};

}  // namespace quorvane_e2e
