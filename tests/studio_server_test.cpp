// The studio's server under hostile and unlucky clients, on a socket of this machine: a
// body it would refuse is never read, however it is sent; clients that dawdle, pages
// that read events and a full queue of commands leave the state and the answers prompt;
// past its caps it answers 503 at once; what it answers carries the browser's guards;
// and a stop drops what waits its turn, saying so.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "simhost/studio/http_server.h"
#include "simhost/studio/net_socket.h"
#include "studio_fixture.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace net = simhost::net;

// A client that writes whatever bytes it likes, as no browser would.
class RawClient {
public:
    explicit RawClient(int port) : socket_(net::Connect("127.0.0.1", port)) {}

    bool Send(const std::string &text, std::chrono::milliseconds stall = 10s) {
        return net::SendAll(socket_, text.data(), text.size(), stall);
    }

    // The answer's head and its declared body, or all that came before the connection
    // closed or `within` passed; "" when nothing came.
    std::string Answer(std::chrono::milliseconds within = 60s) {
        const Clock::time_point by = Clock::now() + within;
        for (;;) {
            const size_t end = got_.find("\r\n\r\n");
            if (end != std::string::npos) {
                const size_t length = got_.find("Content-Length: ");
                const size_t body = length < end ? std::stoul(got_.substr(length + 16)) : 0;
                if (got_.size() >= end + 4 + body) {
                    std::string answer = got_.substr(0, end + 4 + body);
                    got_.erase(0, answer.size());
                    return answer;
                }
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(by - Clock::now());
            if (left.count() <= 0 || net::WaitReadable(socket_, left) != net::Ready::Yes) return Taken();
            char buffer[4096];
            const long count = net::Receive(socket_, buffer, sizeof buffer);
            if (count == 0) return Taken();
            if (count > 0) got_.append(buffer, static_cast<size_t>(count));
        }
    }

    // Whether the server closed the connection within `within`, reading what came first.
    bool Closed(std::chrono::milliseconds within) {
        const Clock::time_point by = Clock::now() + within;
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(by - Clock::now());
            if (left.count() <= 0 || net::WaitReadable(socket_, left) != net::Ready::Yes) return false;
            char buffer[4096];
            if (net::Receive(socket_, buffer, sizeof buffer) == 0) return true;
        }
    }

private:
    std::string Taken() {
        std::string taken;
        taken.swap(got_);
        return taken;
    }

    net::Socket socket_;
    std::string got_;
};

int Status(const std::string &answer) { return answer.size() > 12 ? std::stoi(answer.substr(9, 3)) : 0; }

// The bytes this process holds in memory, where the system says; 0 elsewhere.
long ResidentBytes() {
#ifdef __linux__
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * 4096;
#else
    return 0;
#endif
}

class StudioServing : public Studio {
protected:
    std::string Host() const { return "Host: 127.0.0.1:" + std::to_string(port) + "\r\n"; }
    std::string Request(const std::string &method, const std::string &target, const std::string &headers = "") {
        return method + " " + target + " HTTP/1.1\r\n" + Host() + headers + "\r\n";
    }
    static std::string Tokened(const std::string &route) { return route + "?token=" + kToken; }
};

TEST_F(StudioServing, AChunkedBodyFromElsewhereIsRefusedBeforeAnyOfItIsRead) {
    Serve();
    RawClient raw(port);
    ASSERT_TRUE(raw.Send("POST /api/upload?name=big.obj HTTP/1.1\r\nHost: attacker.example:" + std::to_string(port) +
                         "\r\nTransfer-Encoding: chunked\r\n\r\n"));
    const long before = ResidentBytes();
    // 400 MB offered as fast as the server takes them.
    constexpr size_t kOffered = size_t{400} << 20;
    std::atomic<size_t> sent{0};
    std::promise<void> stopped;
    Beside([&] {
        const std::string chunk = "10000\r\n" + std::string(0x10000, 'v') + "\r\n";
        while (sent < kOffered && raw.Send(chunk, 5s)) sent += chunk.size();
        stopped.set_value();
    });
    const std::string answer = raw.Answer();
    EXPECT_EQ(Status(answer), 403) << answer;
    ASSERT_EQ(stopped.get_future().wait_for(60s), std::future_status::ready);
    // What the system's buffers hold between the two ends, no more.
    EXPECT_LT(sent, size_t{32} << 20);
    EXPECT_LT(ResidentBytes() - before, 16L << 20);
    EXPECT_FALSE(fs::exists(dir / "work" / "out" / "uploads" / "big.obj"));
}

TEST_F(StudioServing, ABodyIsReadOnlyWithALengthWithinItsRoutesLimit) {
    Serve();
    const std::string token = std::string("X-Simhost-Token: ") + kToken + "\r\n";
    const auto answer = [&](const std::string &head, const std::string &body = "") {
        RawClient raw(port);
        EXPECT_TRUE(raw.Send(head + body));
        return raw.Answer();
    };
    // Declared too long for its route: refused at once, not a byte of it sent.
    const std::string command = answer(Request("POST", "/api/command", token + "Content-Length: 1048576\r\n"));
    EXPECT_EQ(Status(command), 413) << command;
    EXPECT_THAT(command, HasSubstr("64 KiB"));
    EXPECT_EQ(Status(answer(Request("POST", "/api/upload?name=a.obj", token + "Content-Length: 67108865\r\n"))), 413);
    // Sent in chunks, or with no length at all: the server will not guess where it ends.
    EXPECT_EQ(Status(answer(Request("POST", "/api/command", token + "Transfer-Encoding: chunked\r\n"),
                            "5\r\nhello\r\n0\r\n\r\n")),
              411);
    EXPECT_EQ(Status(answer(Request("POST", "/api/command", token + "Connection: close\r\n"), "{\"line\": \"new\"}")),
              411);
    EXPECT_EQ(Status(answer(Request("POST", "/api/command", token + "Content-Length: 12, 12\r\n"))), 400);
    // A client that asks first is told to go on, and its body is then read.
    const std::string body = R"({"line": "make grid g 2 2"})";
    RawClient asking(port);
    ASSERT_TRUE(asking.Send(Request("POST", "/api/command",
                                    token + "Expect: 100-continue\r\nContent-Length: " + std::to_string(body.size()) +
                                        "\r\n")));
    EXPECT_THAT(asking.Answer(), ::testing::StartsWith("HTTP/1.1 100 Continue"));
    ASSERT_TRUE(asking.Send(body));
    EXPECT_EQ(Status(asking.Answer()), 200);
    EXPECT_EQ(State()["objects"].size(), 1u);
}

TEST_F(StudioServing, SlowClientsEventReadersAndAFullQueueLeaveTheStateAndTheAnswersPrompt) {
    options.answerTimeout = 120s;
    options.pageAbsence = 120s;
    Serve();
    for (const char *line : {"init", "activate", "make grid g 4 4", "select 1", "click 1 ctrl", "select 2"}) {
        ASSERT_EQ(json::parse(Command(line).body)["result"], "ok") << line;
    }
    // Eight pages read the events.
    std::vector<std::unique_ptr<RawClient>> readers;
    for (int page = 0; page < 8; ++page) {
        readers.push_back(std::make_unique<RawClient>(port));
        ASSERT_TRUE(readers.back()->Send(Request("GET", Tokened("/api/events"))));
    }
    for (auto give_up = Clock::now() + 60s; Api().events().Readers() < 8 && Clock::now() < give_up;) {
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_EQ(Api().events().Readers(), 8u);
    // A click that asks "Overwrite?" holds the host thread until the person answers.
    const std::string click = R"({"line": "click 1 ctrl"})";
    const std::string post = std::string("X-Simhost-Token: ") + kToken + "\r\nContent-Length: ";
    RawClient clicking(port);
    ASSERT_TRUE(clicking.Send(Request("POST", "/api/command", post + std::to_string(click.size()) + "\r\n") + click));
    for (auto give_up = Clock::now() + 60s; !State()["waiting"].is_object() && Clock::now() < give_up;) {
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_EQ(State()["waiting"]["kind"], "question");
    // Forty clients send their heads a byte a second.
    std::vector<std::unique_ptr<RawClient>> slow;
    for (int client = 0; client < 40; ++client) {
        slow.push_back(std::make_unique<RawClient>(port));
        ASSERT_TRUE(slow.back()->Send("G"));
    }
    std::atomic<bool> done{false};
    std::jthread ticking([&] {
        for (int second = 0; !done && second < 60; ++second) {
            for (auto &client : slow) client->Send("E", 1s);
            for (int tick = 0; !done && tick < 10; ++tick) std::this_thread::sleep_for(100ms);
        }
    });
    // The ticking reads `slow` and `done`: however the test ends, it is stopped and joined
    // before they go.
    struct Stop {
        std::atomic<bool> &done;
        ~Stop() { done = true; }
    } stop{done};
    // Twenty commands behind the click: the queue takes sixteen, and the others are told
    // to come again.
    std::vector<std::unique_ptr<RawClient>> queued;
    for (int i = 0; i < 20; ++i) {
        const std::string line = json{{"line", "make grid q" + std::to_string(i) + " 2 2"}}.dump();
        queued.push_back(std::make_unique<RawClient>(port));
        ASSERT_TRUE(
            queued.back()->Send(Request("POST", "/api/command", post + std::to_string(line.size()) + "\r\n") + line));
    }
    std::vector<bool> refused(queued.size(), false);
    for (int round = 0; round < 100 && std::count(refused.begin(), refused.end(), true) < 4; ++round) {
        for (size_t i = 0; i < queued.size(); ++i) {
            if (refused[i]) continue;
            const std::string answer = queued[i]->Answer(50ms);
            if (answer.empty()) continue;
            EXPECT_EQ(Status(answer), 503) << answer;
            EXPECT_THAT(answer, HasSubstr("Retry-After: "));
            refused[i] = true;
        }
    }
    EXPECT_EQ(std::count(refused.begin(), refused.end(), true), 4);

    const std::unique_ptr<httplib::Client> page = Client();
    page->set_default_headers({{"X-Simhost-Token", kToken}});
    Clock::time_point asked = Clock::now();
    const httplib::Result state = page->Get("/api/state");
    EXPECT_LT(Clock::now() - asked, 1s);
    ASSERT_TRUE(state);
    EXPECT_EQ(json::parse(state->body)["waiting"]["kind"], "question");
    asked = Clock::now();
    const httplib::Result answered = page->Post("/api/answer", R"({"answer": "ok"})", "application/json");
    EXPECT_LT(Clock::now() - asked, 1s);
    ASSERT_TRUE(answered);
    EXPECT_EQ(answered->status, 200);
    done = true;

    EXPECT_EQ(Status(clicking.Answer()), 200);
    for (size_t i = 0; i < queued.size(); ++i) {
        if (!refused[i]) {
            EXPECT_EQ(Status(queued[i]->Answer()), 200) << i;
        }
    }
    EXPECT_EQ(State()["objects"].size(), 17u);
}

TEST_F(StudioServing, ConnectionsPastTheCapAreAnswered503AtOnce) {
    simhost::ServerLimits limits;
    limits.mostConnections = 4;
    Serve(limits);
    std::vector<std::unique_ptr<RawClient>> held;
    for (int i = 0; i < 4; ++i) held.push_back(std::make_unique<RawClient>(port));
    RawClient fifth(port);
    ASSERT_TRUE(fifth.Send(Request("GET", Tokened("/api/state"))));
    const std::string busy = fifth.Answer();
    EXPECT_EQ(Status(busy), 503) << busy;
    EXPECT_THAT(busy, HasSubstr("Retry-After: "));
    // A connection closed makes room.
    held.pop_back();
    int status = 0;
    for (auto give_up = Clock::now() + 60s; status != 200 && Clock::now() < give_up;) {
        RawClient again(port);
        again.Send(Request("GET", Tokened("/api/state")));
        status = Status(again.Answer());
    }
    EXPECT_EQ(status, 200);
}

TEST_F(StudioServing, AHeadSentAByteAtATimeIsCutOffAtItsDeadline) {
    simhost::ServerLimits limits;
    limits.headDeadline = 1s;
    Serve(limits);
    RawClient slow(port);
    const Clock::time_point started = Clock::now();
    const std::string head = Request("GET", Tokened("/api/state"));
    std::string answer;
    for (size_t at = 0; at < head.size() && answer.empty(); ++at) {
        slow.Send(head.substr(at, 1));
        answer = slow.Answer(200ms);
    }
    EXPECT_EQ(Status(answer), 408) << answer;
    EXPECT_LT(Clock::now() - started, 30s);
    EXPECT_TRUE(slow.Closed(10s));
    // Too long a head is refused as such.
    RawClient large(port);
    large.Send(Request("GET", Tokened("/api/state"), "X-Padding: " + std::string(20000, 'p') + "\r\n"));
    EXPECT_EQ(Status(large.Answer()), 431);
}

TEST_F(StudioServing, EveryAnswerCarriesTheBrowsersGuardsAndThePageItsPolicy) {
    Serve();
    const auto guarded = [](const std::string &answer) {
        EXPECT_THAT(answer, HasSubstr("\r\nX-Content-Type-Options: nosniff\r\n")) << answer;
        EXPECT_THAT(answer, HasSubstr("\r\nReferrer-Policy: no-referrer\r\n")) << answer;
    };
    const auto answer = [&](const std::string &request) {
        RawClient raw(port);
        raw.Send(request);
        return raw.Answer();
    };
    const std::string page = answer(Request("GET", "/"));
    EXPECT_EQ(Status(page), 200);
    guarded(page);
    const std::string policy = page.substr(page.find("Content-Security-Policy: "));
    EXPECT_THAT(policy.substr(0, policy.find("\r\n")),
                ::testing::AllOf(HasSubstr("default-src 'self'"), HasSubstr("frame-ancestors 'none'"),
                                 ::testing::Not(HasSubstr("unsafe"))));
    for (const std::string &request :
         {Request("GET", "/studio.js"), Request("GET", Tokened("/api/state")), Request("GET", "/api/state"),
          Request("GET", "/nothing"), Request("POST", Tokened("/api/command"), "Transfer-Encoding: chunked\r\n"),
          Request("GET", "/", "X-Padding: " + std::string(20000, 'p') + "\r\n"), std::string("BAD\r\n\r\n")}) {
        guarded(answer(request));
    }
    // Two Host headers, a path or a Host that is not UTF-8 text: refused before the token
    // is looked for, and without a fault.
    EXPECT_EQ(Status(answer(Request("GET", "/api/state", "Host: attacker.example\r\n"))), 400);
    EXPECT_EQ(Status(answer(Request("GET", "/api/st\xe9te"))), 400);
    EXPECT_EQ(Status(answer(Request("GET", "/%E9"))), 400);
    EXPECT_EQ(Status(answer("GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:\xe9\r\n\r\n")), 400);
}

TEST(StudioHttpServer, AFaultOfTheRequestLayerIs500WithoutItsText) {
    simhost::HttpServer server;
    const int port = server.Bind("127.0.0.1", 0);
    ASSERT_GT(port, 0);
    simhost::HttpHandlers handlers;
    handlers.admit = [](const HttpRequest &) { return size_t{0}; };
    handlers.handle = [](const HttpRequest &) -> HttpResponse { throw std::runtime_error("inner\r\nX-Secret: 1"); };
    std::thread serving([&] { server.Serve(handlers); });
    RawClient raw(port);
    raw.Send("GET / HTTP/1.1\r\nHost: here\r\n\r\n");
    const std::string answer = raw.Answer();
    server.Stop();
    serving.join();
    EXPECT_EQ(Status(answer), 500);
    EXPECT_THAT(answer, ::testing::Not(HasSubstr("inner")));
    EXPECT_THAT(answer, ::testing::Not(HasSubstr("X-Secret")));
}

TEST_F(StudioServing, AStopAnswersTheLinesWaitingTheirTurn503AndTheLogNamesThemNotRun) {
    options.answerTimeout = 120s;
    options.pageAbsence = 120s;
    ASSERT_TRUE(Api().events().Attach(8));
    for (const char *line : {"init", "activate", "make grid g 4 4", "select 1", "click 1 ctrl", "select 2"}) {
        ASSERT_EQ(json::parse(Command(line).body)["result"], "ok") << line;
    }
    std::future<HttpResponse> asking = std::async(std::launch::async, [this] { return Command("click 1 ctrl"); });
    for (auto give_up = Clock::now() + 60s; !State()["waiting"].is_object() && Clock::now() < give_up;) {
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_EQ(State()["waiting"]["kind"], "question");
    std::vector<std::future<HttpResponse>> waiting;
    for (const char *line : {"make grid a 2 2", "smooth 1 all"}) {
        waiting.push_back(std::async(std::launch::async, [this, line] { return Command(line); }));
    }
    std::this_thread::sleep_for(200ms);
    Api().Stopping();
    // The step that ran finishes: nobody answers now, which is Cancel.
    EXPECT_EQ(json::parse(asking.get().body)["result"], "ok");
    for (std::future<HttpResponse> &line : waiting) EXPECT_EQ(line.get().status, 503);
    EXPECT_EQ(Command("make grid b 2 2").status, 503);
    const std::string log = Log();
    EXPECT_THAT(log, HasSubstr("answer cancel\nclick 1 ctrl\n"));
    EXPECT_THAT(log, HasSubstr("# not run (the studio stopped): make grid a 2 2\n"));
    EXPECT_THAT(log, HasSubstr("# not run (the studio stopped): smooth 1 all\n"));
    EXPECT_EQ(State()["objects"].size(), 1u);
    const simhost::StudioStart end = Api().Close();
    EXPECT_EQ(end.result, StepResult::Ok);
    EXPECT_THAT(end.errors, HasSubstr("not run (the studio stopped): make grid b 2 2"));
    Api().events().Detach();
}

}  // namespace
