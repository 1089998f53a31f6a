#include "update/http_client.h"

#include <curl/curl.h>

#include <memory>

namespace update {
namespace {

constexpr long kConnectTimeoutMs = 6000;
constexpr long kTotalTimeoutMs = 30000;

struct Answer {
  std::string Body;
  bool TooLarge = false;
};

size_t Receive(char* data, size_t size, size_t count, void* target) {
  auto* answer = static_cast<Answer*>(target);
  if (answer->Body.size() + size * count > kMaxHttpAnswerBytes) {
    answer->TooLarge = true;
    return 0;
  }
  answer->Body.append(data, size * count);
  return size * count;
}

std::string Request(const std::string& url, const std::string* postBody, const std::vector<std::string>& headers) {
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(initialised ? curl_easy_init() : nullptr, curl_easy_cleanup);
  if (!curl) throw EHttpError("Keine Verbindung möglich: " + url);
  Answer answer;
  char errorText[CURL_ERROR_SIZE] = {};
  curl_slist* headerList = nullptr;
  for (const auto& header : headers) headerList = curl_slist_append(headerList, header.c_str());
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerOwner(headerList, curl_slist_free_all);
  CURL* handle = curl.get();
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(handle, CURLOPT_PROXY, "");  // only configured proxies, never the environment's
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
  curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, kTotalTimeoutMs);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, Receive);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &answer);
  if (headerList) curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headerList);
  if (postBody) {
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, postBody->data());
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(postBody->size()));
  }
  const CURLcode code = curl_easy_perform(handle);
  if (answer.TooLarge) throw EHttpError("Die Antwort von " + url + " ist zu groß.");
  if (code != CURLE_OK)
    throw EHttpError("Fehler bei der Abfrage von " + url + ": " + (errorText[0] ? errorText : curl_easy_strerror(code)));
  long status = 0;
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
  if (status >= 400) throw EHttpError("Fehler bei der Abfrage von " + url + ": HTTP " + std::to_string(status));
  return answer.Body;
}

}  // namespace

std::string HttpGet(const std::string& url) { return Request(url, nullptr, {}); }

std::string HttpPost(const std::string& url, const std::string& body, const std::vector<std::string>& headers) {
  return Request(url, &body, headers);
}

}  // namespace update
