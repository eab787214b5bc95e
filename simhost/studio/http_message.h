// Requests and answers as the studio's request layer sees them, with no socket in sight,
// and the small pieces of HTTP and JSON that its routes share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

namespace simhost {

struct HttpRequest {
    std::string method;  // "GET", "POST", ...
    std::string target;  // path and query: "/api/command?token=..."
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // The first header of that name, in any case.
    std::optional<std::string> Header(const std::string &name) const;
};

struct HttpResponse {
    int status = 200;
    std::string contentType = "application/json";
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    // The request was for the event stream and passed every check: the server streams
    // events() instead of sending a body.
    bool eventStream = false;
    uint64_t eventsAfter = 0;  // the stream starts after this event
};

// Texts equal but for the case of letters, as header names and host names compare.
bool SameWord(const std::string &a, const std::string &b);

// The value of `name` in a query ("a=1&token=..."), decoded.
std::optional<std::string> QueryValue(const std::string &query, const std::string &name);

// Compares in a time that does not depend on where the texts first differ, so that the
// token cannot be guessed a character at a time.
bool SameSecret(const std::string &given, const std::string &secret);

// 32 hexadecimal digits from the system's source of randomness.
std::string RandomToken();

// Every JSON text the studio sends. Object names are the bytes their file held, in
// whatever code page it was saved; what is not UTF-8 shows as U+FFFD rather than
// stopping the answer.
std::string JsonText(const nlohmann::json &value);

HttpResponse JsonAnswer(int status, nlohmann::json body);
// An answer with {"error": message}.
HttpResponse Problem(int status, const std::string &message);

// The body of a request, as a JSON object; else the answer that refuses it: too long
// (413), not JSON, or not an object of the `shape` its route takes (400).
std::variant<nlohmann::json, HttpResponse> JsonObjectBody(const HttpRequest &request, size_t limit,
                                                          const std::string &shape);

// The text of `key` in a JSON object, if it is text.
std::optional<std::string> TextField(const nlohmann::json &body, const char *key);

}  // namespace simhost
