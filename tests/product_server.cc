#include "tests/product_server.h"

#include <signal.h>

#include <sstream>
#include <stdexcept>

#include "tests/console_texts.h"

ProductServer::ProductServer(const std::vector<std::string>& faults,
                             double slowSeconds) {
  std::string command = "exec python3 '" ORVANNE_TESTS
                        "/product_server.py' --folder '" ORVANNE_TESTS
                        "/products' --log '" +
                        dir.Path("requests.log") + "' --slow-seconds " +
                        std::to_string(slowSeconds);
  for (const std::string& fault : faults) command += " --fault " + fault;
  WriteFile(dir.Path("requests.log"), "");
  pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("the product server did not start");
  if (std::fscanf(pipe, "%d %d", &port, &pid) != 2) {
    pclose(pipe);
    throw std::runtime_error("the product server told no port");
  }
}

ProductServer::~ProductServer() {
  kill(pid, SIGTERM);
  pclose(pipe);
}

std::string ProductServer::Source() const {
  return "http://127.0.0.1:" + std::to_string(port) +
         "/cgi-bin/afos/retrieve.py";
}

std::vector<std::string> ProductServer::Requests() const {
  return Lines(ReadFile(dir.Path("requests.log")));
}

int ProductServer::RequestsFor(std::string_view id) const {
  const std::string asked = "pil=" + std::string(id) + "&";
  int count = 0;
  for (const std::string& request : Requests())
    if (request.find(asked) != std::string::npos) ++count;
  return count;
}

std::string ServedProduct(std::string_view id) {
  return ReadFile(ORVANNE_TESTS "/products/" + std::string(id) + ".txt");
}
