#include "http_server.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "polling.h"
#include "text.h"

namespace quorvane_e2e {
namespace {

// How often the server looks whether it is to stop while no request comes.
constexpr timeval kAcceptPollInterval = {0, 20'000};
// A client that stops reading or sending must not hold the server forever.
constexpr DWORD kSocketTimeoutMilliseconds = 10'000;
// Enough for any request line and headers WinINet sends.
constexpr std::size_t kMaxRequestHeadBytes = 64 * 1024;

std::runtime_error SocketError(const char* what) {
  return std::runtime_error(std::string("local HTTP server: ") + what + " (error " +
                            std::to_string(WSAGetLastError()) + ")");
}

const char* ReasonPhrase(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 404:
      return "Not Found";
    case 500:
      return "Internal Server Error";
  }
  return "Status";
}

// The request's head, up to the blank line; empty when the client gave up.
std::string ReadRequestHead(SOCKET connection) {
  std::string head;
  char chunk[4096];
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxRequestHeadBytes) {
    const int received = recv(connection, chunk, sizeof chunk, 0);
    if (received <= 0) return {};
    head.append(chunk, static_cast<std::size_t>(received));
  }
  return head;
}

void SendAll(SOCKET connection, const std::string& bytes) {
  for (std::size_t sent = 0; sent < bytes.size();) {
    const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size() - sent, 1 << 16));
    const int done = send(connection, bytes.data() + sent, chunk, 0);
    // A client that stopped reading (a body it refuses) is no error here.
    if (done <= 0) return;
    sent += static_cast<std::size_t>(done);
  }
}

class WinsockUser {
 public:
  WinsockUser() {
    WSADATA data = {};
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
  }
};

}  // namespace

LocalHttpServer::LocalHttpServer() {
  static const WinsockUser winsock;
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (listener_ == INVALID_SOCKET) throw SocketError("socket");
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int length = sizeof address;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener_, SOMAXCONN) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    const std::runtime_error error = SocketError("cannot listen on 127.0.0.1");
    closesocket(listener_);
    throw error;
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer() { StopListening(); }

std::string LocalHttpServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

void LocalHttpServer::SetReply(HttpReply reply) {
  const std::lock_guard lock(mutex_);
  reply_ = std::move(reply);
}

void LocalHttpServer::Hold() {
  const std::lock_guard lock(mutex_);
  held_ = true;
}

void LocalHttpServer::Release() {
  {
    const std::lock_guard lock(mutex_);
    held_ = false;
  }
  released_.notify_all();
}

void LocalHttpServer::StopListening() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  released_.notify_all();
  if (thread_.joinable()) thread_.join();
  if (listener_ != INVALID_SOCKET) closesocket(listener_);
  listener_ = INVALID_SOCKET;
}

std::vector<std::string> LocalHttpServer::RequestLines() const {
  const std::lock_guard lock(mutex_);
  return requestLines_;
}

bool LocalHttpServer::WaitForRequests(std::size_t count) const {
  return WaitUntil([&] { return RequestLines().size() >= count; });
}

void LocalHttpServer::Serve() {
  for (;;) {
    {
      const std::lock_guard lock(mutex_);
      if (stopping_) return;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(listener_, &readable);
    timeval wait = kAcceptPollInterval;
    if (select(0, &readable, nullptr, nullptr, &wait) != 1) continue;
    const SOCKET connection = accept(listener_, nullptr, nullptr);
    if (connection == INVALID_SOCKET) continue;
    Answer(connection);
    closesocket(connection);
  }
}

void LocalHttpServer::Answer(SOCKET connection) {
  const DWORD timeout = kSocketTimeoutMilliseconds;
  setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
  setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
  const std::string head = ReadRequestHead(connection);
  if (head.empty()) return;

  HttpReply reply;
  {
    std::unique_lock lock(mutex_);
    requestLines_.push_back(head.substr(0, head.find("\r\n")));
    released_.wait(lock, [&] { return !held_ || stopping_; });
    if (stopping_) return;
    reply = reply_;
  }
  const std::size_t announced = reply.announcedLength.value_or(reply.body.size());
  SendAll(connection, "HTTP/1.1 " + std::to_string(reply.status) + " " + ReasonPhrase(reply.status) +
                          "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(announced) +
                          "\r\nConnection: close\r\n\r\n" + reply.body);
  shutdown(connection, SD_SEND);
}

ProxyForStartedPrograms::ProxyForStartedPrograms(const std::string& proxyAddress) {
  SetEnvironmentVariableW(L"http_proxy", Wide(proxyAddress).c_str());
  SetEnvironmentVariableW(L"no_proxy", nullptr);
}

ProxyForStartedPrograms::~ProxyForStartedPrograms() { SetEnvironmentVariableW(L"http_proxy", nullptr); }

}  // namespace quorvane_e2e
