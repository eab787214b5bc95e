// Sharing the vertices and faces of a file out among its objects.
#include "simhost/files/obj_contents.h"

#include <algorithm>
#include <filesystem>

namespace simhost::obj {

namespace {

// The sections that make one object, and the vertices and faces they hold.
struct Block {
    size_t head;
    size_t firstVertex, endVertex;
    size_t firstFace, endFace;
};

// Groups subdivide objects when there are any, so they split the file only when it has
// none. An object's sections follow one another, from its head up to the next head.
std::vector<Block> Blocks(const Contents &contents) {
    const std::vector<Section> &sections = contents.sections;
    const bool hasObjects = std::any_of(sections.begin(), sections.end(),
                                        [](const Section &section) { return section.kind == SectionKind::Object; });
    std::vector<Block> blocks;
    for (size_t i = 0; i < sections.size(); ++i) {
        if (i > 0 && hasObjects && sections[i].kind == SectionKind::Group) continue;
        if (!blocks.empty()) {
            blocks.back().endVertex = sections[i].firstVertex;
            blocks.back().endFace = sections[i].firstFace;
        }
        blocks.push_back({i, sections[i].firstVertex, 0, sections[i].firstFace, 0});
    }
    blocks.back().endVertex = contents.positions.size();
    blocks.back().endFace = contents.faceStart.size() - 1;
    return blocks;
}

// The vertices that a block takes, ascending: those its faces use and those it defines
// that no face uses. `local` is -1 for every vertex on entry; on return it is 0 for the
// members.
std::vector<int> Members(const Contents &contents, const Block &block, const std::vector<bool> &used,
                         std::vector<int> &local) {
    std::vector<int> members;
    const auto take = [&](int vertex) {
        int &mark = local[static_cast<size_t>(vertex)];
        if (mark >= 0) return;
        mark = 0;
        members.push_back(vertex);
    };
    for (size_t i = contents.faceStart[block.firstFace]; i < contents.faceStart[block.endFace]; ++i) {
        take(contents.corners[i]);
    }
    for (size_t v = block.firstVertex; v < block.endVertex; ++v) {
        if (!used[v]) take(static_cast<int>(v));
    }
    if (std::is_sorted(members.begin(), members.end())) return members;
    const auto [low, high] = std::minmax_element(members.begin(), members.end());
    const auto from = static_cast<size_t>(*low), to = static_cast<size_t>(*high) + 1;
    // Faces mostly use vertices close together: then walking their span in order is
    // quicker than sorting.
    if (to - from > 4 * members.size()) {
        std::sort(members.begin(), members.end());
        return members;
    }
    members.clear();
    for (size_t v = from; v < to; ++v) {
        if (local[v] >= 0) members.push_back(static_cast<int>(v));
    }
    return members;
}

}  // namespace

std::vector<PendingObject> Assemble(const std::string &path, Contents &contents) {
    const size_t vertexCount = contents.positions.size();
    const size_t faceCount = contents.faceStart.size() - 1;
    const std::vector<Block> blocks = Blocks(contents);
    const std::string stem = std::filesystem::path(path).stem().string();
    std::vector<PendingObject> objects(blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
        const Section &section = contents.sections[blocks[i].head];
        objects[i].name = section.name.empty() ? stem : section.name;
        objects[i].keepEmpty = section.kind == SectionKind::Object;
    }

    const auto whole = std::find_if(blocks.begin(), blocks.end(), [&](const Block &block) {
        return block.endVertex - block.firstVertex == vertexCount && block.endFace - block.firstFace == faceCount;
    });
    if (whole != blocks.end()) {
        // The usual file: one object holds every vertex and face, numbered as in the file.
        PendingObject &object = objects[static_cast<size_t>(whole - blocks.begin())];
        object.positions = std::move(contents.positions);
        object.corners = std::move(contents.corners);
        object.faceStart = std::move(contents.faceStart);
    } else {
        std::vector<bool> used(vertexCount, false);
        for (const int corner : contents.corners) used[static_cast<size_t>(corner)] = true;
        std::vector<int> local(vertexCount, -1);
        for (size_t i = 0; i < blocks.size(); ++i) {
            const Block &block = blocks[i];
            PendingObject &object = objects[i];
            const std::vector<int> members = Members(contents, block, used, local);
            object.positions.reserve(members.size());
            for (const int v : members) {
                local[static_cast<size_t>(v)] = static_cast<int>(object.positions.size());
                object.positions.push_back(contents.positions[static_cast<size_t>(v)]);
            }
            for (size_t face = block.firstFace; face < block.endFace; ++face) {
                for (size_t c = contents.faceStart[face]; c < contents.faceStart[face + 1]; ++c) {
                    object.corners.push_back(local[static_cast<size_t>(contents.corners[c])]);
                }
                object.faceStart.push_back(object.corners.size());
            }
            for (const int v : members) local[static_cast<size_t>(v)] = -1;
        }
    }
    std::erase_if(objects, [](const PendingObject &object) { return object.positions.empty() && !object.keepEmpty; });
    return objects;
}

}  // namespace simhost::obj
