// Uploads that arrive together: files of the same name but different bytes each keep
// their own path and none is lost; the same bytes share one path. A name that Windows
// takes for a device is refused on every system.
#include <future>
#include <set>
#include <string>
#include <vector>

#include "studio_fixture.h"

namespace {

class StudioUpload : public Studio {
protected:
    HttpResponse Upload(const std::string &name, const std::string &body) {
        return Post("/api/upload?name=" + name, body, {{"X-Simhost-Token", kToken}});
    }

    // Uploads each body under `name`, all at once, each from a thread of its own; the
    // paths they were told, in the order of the bodies.
    std::vector<std::string> AtOnce(const std::string &name, const std::vector<std::string> &bodies) {
        Api();
        std::promise<void> go;
        const std::shared_future<void> started = go.get_future().share();
        std::vector<std::future<HttpResponse>> uploads;
        for (const std::string &body : bodies) {
            uploads.push_back(std::async(std::launch::async, [this, started, &name, &body] {
                started.wait();
                return Upload(name, body);
            }));
        }
        go.set_value();
        std::vector<std::string> paths;
        for (std::future<HttpResponse> &upload : uploads) {
            const HttpResponse answer = upload.get();
            EXPECT_EQ(answer.status, 200) << answer.body;
            paths.push_back(answer.status == 200 ? json::parse(answer.body)["path"].get<std::string>() : "");
        }
        return paths;
    }

    fs::path Uploads() const { return dir / "work" / "out" / "uploads"; }

    // A mesh of `vertices` vertices, large enough that writing it takes a while.
    static std::string Mesh(int vertices, int shift) {
        std::string text;
        for (int i = 0; i < vertices; ++i) {
            text += "v " + std::to_string(i) + " " + std::to_string(shift) + " 0\n";
        }
        return text;
    }
};

TEST_F(StudioUpload, DifferentFilesOfOneNameAtOnceEachKeepTheirOwnPathAndNoneIsLost) {
    constexpr int kAtOnce = 4;
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        std::vector<std::string> bodies;
        for (int i = 0; i < kAtOnce; ++i) bodies.push_back(Mesh(20000, i));
        const std::vector<std::string> paths = AtOnce("same" + std::to_string(round) + ".obj", bodies);
        ASSERT_EQ(paths.size(), bodies.size());
        EXPECT_EQ(std::set<std::string>(paths.begin(), paths.end()).size(), bodies.size()) << "a path told twice";
        for (int i = 0; i < kAtOnce; ++i) {
            // Compared whole, not printed: each is 200 KB.
            EXPECT_TRUE(FileText(paths[i]) == bodies[i]) << paths[i] << " does not hold upload " << i;
        }
    }
    size_t files = 0;
    for (const auto &entry : fs::directory_iterator(Uploads())) {
        EXPECT_EQ(entry.path().extension(), ".obj") << "nothing but the uploads is left: " << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 20u * kAtOnce);
}

TEST_F(StudioUpload, TheSameBytesAtOnceShareOnePath) {
    const std::string mesh = Mesh(20000, 3);
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        const std::string name = "same" + std::to_string(round) + ".obj";
        const std::vector<std::string> paths = AtOnce(name, {mesh, Mesh(20000, 4), mesh, mesh});
        EXPECT_EQ(paths[0], paths[2]);
        EXPECT_EQ(paths[0], paths[3]);
        EXPECT_NE(paths[0], paths[1]);
        EXPECT_TRUE(FileText(paths[0]) == mesh) << paths[0];
    }
    EXPECT_EQ(static_cast<size_t>(std::distance(fs::directory_iterator(Uploads()), fs::directory_iterator())), 10u);
}

TEST_F(StudioUpload, ANameWindowsTakesForADeviceIsRefusedOnEverySystem) {
    const std::string mesh = "v 0 0 0\n";
    for (const char *name : {"CON.obj", "nul.obj", "Aux.OBJ", "prn.obj", "com1.obj", "COM9.obj", "lpt1.obj", "Lpt9.obj",
                             "con.backup.obj", "nul..obj"}) {
        const HttpResponse refused = Upload(name, mesh);
        EXPECT_EQ(refused.status, 400) << name;
        EXPECT_THAT(refused.body, HasSubstr("names a device on Windows")) << name;
    }
    EXPECT_FALSE(fs::exists(Uploads() / "CON.obj"));
    for (const char *name : {"console.obj", "com10.obj", "com0.obj", "lpt.obj", "nullify.obj", "my-aux.obj"}) {
        EXPECT_EQ(Upload(name, mesh).status, 200) << name;
    }
}

}  // namespace
