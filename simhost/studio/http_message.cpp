#include "simhost/studio/http_message.h"

#include <cstdio>
#include <random>
#include <sstream>

#include "simhost/language/command_args.h"

namespace simhost {

using nlohmann::json;

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecoded(const std::string &text) {
    std::string out;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '+') {
            out += ' ';
        } else if (text[at] == '%' && at + 2 < text.size() && HexDigit(text[at + 1]) >= 0 &&
                   HexDigit(text[at + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[at + 1]) * 16 + HexDigit(text[at + 2]));
            at += 2;
        } else {
            out += text[at];
        }
    }
    return out;
}

}  // namespace

bool SameWord(const std::string &a, const std::string &b) { return Lower(a) == Lower(b); }

std::optional<std::string> QueryValue(const std::string &query, const std::string &name) {
    std::istringstream pairs(query);
    std::string pair;
    while (std::getline(pairs, pair, '&')) {
        const size_t equals = pair.find('=');
        if (PercentDecoded(pair.substr(0, equals)) == name) {
            return equals == std::string::npos ? "" : PercentDecoded(pair.substr(equals + 1));
        }
    }
    return std::nullopt;
}

bool SameSecret(const std::string &given, const std::string &secret) {
    if (given.size() != secret.size() || secret.empty()) return false;
    unsigned difference = 0;
    for (size_t i = 0; i < secret.size(); ++i) difference |= static_cast<unsigned char>(given[i] ^ secret[i]);
    return difference == 0;
}

std::string RandomToken() {
    std::random_device source;
    std::string token;
    for (int i = 0; i < 4; ++i) {
        char part[9];
        std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(source()));
        token += part;
    }
    return token;
}

std::string JsonText(const json &value) { return value.dump(-1, ' ', false, json::error_handler_t::replace); }

HttpResponse JsonAnswer(int status, json body) { return {status, "application/json", {}, JsonText(body), false}; }

HttpResponse Problem(int status, const std::string &message) { return JsonAnswer(status, {{"error", message}}); }

std::variant<json, HttpResponse> JsonObjectBody(const HttpRequest &request, size_t limit, const std::string &shape) {
    if (request.body.size() > limit) {
        return Problem(413, "a request's body may be at most " + std::to_string(limit / 1024) + " KiB");
    }
    json body = json::parse(request.body, nullptr, false);
    if (body.is_discarded()) return Problem(400, "the body is not JSON");
    if (!body.is_object()) return Problem(400, "the body must be " + shape);
    return body;
}

std::optional<std::string> TextField(const json &body, const char *key) {
    if (!body.contains(key) || !body[key].is_string()) return std::nullopt;
    return body[key].get<std::string>();
}

std::optional<std::string> HttpRequest::Header(const std::string &name) const {
    for (const auto &[key, value] : headers) {
        if (SameWord(key, name)) return value;
    }
    return std::nullopt;
}

}  // namespace simhost
