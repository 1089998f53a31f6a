#pragma once
// Small HTTP(S) requests of the update (the accounts file, the account
// service) on libcurl. Failures raise EHttpError with a German text.
#include <stdexcept>
#include <string>
#include <vector>

namespace update {

class EHttpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Answers larger than this are refused: neither file nor answer comes near it.
inline constexpr std::size_t kMaxHttpAnswerBytes = 4u << 20;

// The body of a GET; an HTTP status of 400 or above is an error.
std::string HttpGet(const std::string& url);
// The body of the answer to a POST of body with the given header lines.
std::string HttpPost(const std::string& url, const std::string& body, const std::vector<std::string>& headers);

}  // namespace update
