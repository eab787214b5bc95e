// Sharing what a file holds out among its objects: vertices, texture coordinates and
// normals alike, each numbered afresh in its object, and the faces, elements and groups.
#include "simhost/files/obj_contents.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <span>

namespace simhost::obj {

namespace {

// The sections that make one object, and what of each kind they hold.
struct Block {
    size_t head;
    size_t endSection;
    std::array<size_t, kParts> first, end;
};

// Groups subdivide objects when there are any, so they split the file only when it has
// none. An object's sections follow one another, from its head up to the next head.
std::vector<Block> Blocks(const Contents &contents, bool hasObjects) {
    const std::vector<Section> &sections = contents.sections;
    std::vector<Block> blocks;
    for (size_t i = 0; i < sections.size(); ++i) {
        if (i > 0 && hasObjects && sections[i].kind == SectionKind::Group) continue;
        if (!blocks.empty()) {
            blocks.back().end = sections[i].first;
            blocks.back().endSection = i;
        }
        blocks.push_back({i, 0, sections[i].first, {}});
    }
    blocks.back().end = contents.Counts();
    blocks.back().endSection = sections.size();
    return blocks;
}

// Items of one kind (vertices, texture coordinates or normals) as the blocks share them
// out: a block takes, in the order of the file, those its corners name and those it
// defines that no corner names, and numbers them from 0.
class Sharing {
public:
    // `named` are every corner's references to items of this kind, -1 for none.
    Sharing(size_t count, std::initializer_list<const std::vector<int> *> named) : used_(count), local_(count, -1) {
        for (const std::vector<int> *references : named) {
            for (const int item : *references) {
                if (item >= 0) used_[static_cast<size_t>(item)] = true;
            }
        }
    }

    // The block's items, by their indices in the file; Local numbers them until Release.
    // `byFaces` and `byElements` are the references of the block's corners.
    const std::vector<int> &Take(std::span<const int> byFaces, std::span<const int> byElements, size_t firstDefined,
                                 size_t endDefined) {
        members_.clear();
        const auto take = [&](int item) {
            int &mark = local_[static_cast<size_t>(item)];
            if (mark >= 0) return;
            mark = 0;
            members_.push_back(item);
        };
        for (const std::span<const int> references : {byFaces, byElements}) {
            for (const int item : references) {
                if (item >= 0) take(item);
            }
        }
        for (size_t item = firstDefined; item < endDefined; ++item) {
            if (!used_[item]) take(static_cast<int>(item));
        }
        Order();
        for (size_t i = 0; i < members_.size(); ++i) local_[static_cast<size_t>(members_[i])] = static_cast<int>(i);
        return members_;
    }

    int Local(int item) const { return item < 0 ? -1 : local_[static_cast<size_t>(item)]; }

    void Release() {
        for (const int item : members_) local_[static_cast<size_t>(item)] = -1;
    }

private:
    // Puts the members, each marked in local_, in the order of the file.
    void Order() {
        if (members_.empty() || std::is_sorted(members_.begin(), members_.end())) return;
        const auto [low, high] = std::minmax_element(members_.begin(), members_.end());
        const auto from = static_cast<size_t>(*low), to = static_cast<size_t>(*high) + 1;
        // Faces mostly use vertices close together: then walking their span in order is
        // quicker than sorting.
        if (to - from > 4 * members_.size()) {
            std::sort(members_.begin(), members_.end());
            return;
        }
        members_.clear();
        for (size_t item = from; item < to; ++item) {
            if (local_[item] >= 0) members_.push_back(static_cast<int>(item));
        }
    }

    std::vector<bool> used_;
    std::vector<int> local_;
    std::vector<int> members_;
};

// The references of the corners from `first` to before `end`, none when there are none.
std::span<const int> Stretch(const std::vector<int> &references, size_t first, size_t end) {
    if (references.empty()) return {};
    return std::span(references).subspan(first, end - first);
}

// A block's share of a file of several objects.
class Share {
public:
    explicit Share(const Contents &contents)
        : contents_(contents),
          vertices_(contents.positions.size(), {&contents.corners, &contents.elements.vertices}),
          textures_(contents.textures.size() / 3, {&contents.faceRefs.textures, &contents.elements.refs.textures}),
          normals_(contents.normals.size(), {&contents.faceRefs.normals, &contents.elements.refs.normals}) {}

    void Take(const Block &block, PendingObject &object) {
        const size_t firstCorner = contents_.faceStart[block.first[kFaces]];
        const size_t endCorner = contents_.faceStart[block.end[kFaces]];
        const ElementList &elements = contents_.elements;
        const auto firstPoint = static_cast<size_t>(elements.starts[block.first[kElements]]);
        const auto endPoint = static_cast<size_t>(elements.starts[block.end[kElements]]);
        // Of each kind, the block takes what its corners name and what it defines.
        const auto take = [&](Sharing &sharing, const std::vector<int> &byFaces, const std::vector<int> &byElements,
                              Part part) -> const std::vector<int> & {
            return sharing.Take(Stretch(byFaces, firstCorner, endCorner), Stretch(byElements, firstPoint, endPoint),
                                block.first[part], block.end[part]);
        };
        for (const int v : take(vertices_, contents_.corners, elements.vertices, kVertices)) {
            object.positions.push_back(contents_.positions[static_cast<size_t>(v)]);
        }
        MeshExtras &extras = object.extras;
        const auto width = static_cast<size_t>(contents_.textureWidth);
        for (const int t : take(textures_, contents_.faceRefs.textures, elements.refs.textures, kTextures)) {
            const float *numbers = &contents_.textures[3 * static_cast<size_t>(t)];
            extras.textures.insert(extras.textures.end(), numbers, numbers + width);
        }
        for (const int n : take(normals_, contents_.faceRefs.normals, elements.refs.normals, kNormals)) {
            extras.normals.push_back(contents_.normals[static_cast<size_t>(n)]);
        }

        for (size_t face = block.first[kFaces]; face < block.end[kFaces]; ++face) {
            for (size_t c = contents_.faceStart[face]; c < contents_.faceStart[face + 1]; ++c) {
                object.corners.push_back(vertices_.Local(contents_.corners[c]));
            }
            object.faceStart.push_back(object.corners.size());
        }
        Refs(contents_.faceRefs, firstCorner, endCorner, extras.faceRefs);
        for (size_t element = block.first[kElements]; element < block.end[kElements]; ++element) {
            for (auto c = static_cast<size_t>(elements.starts[element]);
                 c < static_cast<size_t>(elements.starts[element + 1]); ++c) {
                extras.elements.vertices.push_back(vertices_.Local(elements.vertices[c]));
            }
            extras.elements.starts.push_back(static_cast<int>(extras.elements.vertices.size()));
            extras.elements.lines.push_back(elements.lines[element]);
        }
        Refs(elements.refs, firstPoint, endPoint, extras.elements.refs);
        vertices_.Release();
        textures_.Release();
        normals_.Release();
    }

private:
    void Refs(const CornerRefs &from, size_t first, size_t end, CornerRefs &to) const {
        for (const int t : Stretch(from.textures, first, end)) to.textures.push_back(textures_.Local(t));
        for (const int n : Stretch(from.normals, first, end)) to.normals.push_back(normals_.Local(n));
    }

    const Contents &contents_;
    Sharing vertices_, textures_, normals_;
};

// Within an object of a file that has objects, each "g" section that holds a face or an
// element is a group.
void AddGroups(const Contents &contents, const Block &block, MeshExtras &extras) {
    for (size_t s = block.head + 1; s < block.endSection; ++s) {
        const auto &from = contents.sections[s].first;
        const auto &to = s + 1 < block.endSection ? contents.sections[s + 1].first : block.end;
        if (from[kFaces] == to[kFaces] && from[kElements] == to[kElements]) continue;
        if (extras.groupNames.empty()) {
            extras.faceGroups.assign(block.end[kFaces] - block.first[kFaces], -1);
            extras.elements.groups.assign(block.end[kElements] - block.first[kElements], -1);
        }
        const int group = static_cast<int>(extras.groupNames.size());
        extras.groupNames.push_back(contents.sections[s].name);
        const auto fill = [&](std::vector<int> &groups, Part part) {
            std::fill(groups.begin() + static_cast<std::ptrdiff_t>(from[part] - block.first[part]),
                      groups.begin() + static_cast<std::ptrdiff_t>(to[part] - block.first[part]), group);
        };
        fill(extras.faceGroups, kFaces);
        fill(extras.elements.groups, kElements);
    }
}

// References that name nothing take no room.
void DropEmptyReferences(std::vector<int> &references) {
    if (std::all_of(references.begin(), references.end(), [](int reference) { return reference < 0; })) {
        references = {};
    }
}

}  // namespace

std::vector<PendingObject> Assemble(const std::string &path, Contents &contents) {
    const std::vector<Section> &sections = contents.sections;
    const auto any = [&](SectionKind kind) {
        return std::any_of(sections.begin(), sections.end(),
                           [&](const Section &section) { return section.kind == kind; });
    };
    const bool hasObjects = any(SectionKind::Object);
    const bool byGroups = !hasObjects && any(SectionKind::Group);
    const std::vector<Block> blocks = Blocks(contents, hasObjects);
    const std::string stem = std::filesystem::path(path).stem().string();
    std::vector<PendingObject> objects(blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
        const Section &section = sections[blocks[i].head];
        objects[i].name = section.name.empty() ? stem : section.name;
        objects[i].keepEmpty = section.kind == SectionKind::Object;
        objects[i].extras.group = byGroups;
    }

    const auto counts = contents.Counts();
    const auto whole = std::find_if(blocks.begin(), blocks.end(), [&](const Block &block) {
        for (size_t part = 0; part < kParts; ++part) {
            if (block.end[part] - block.first[part] != counts[part]) return false;
        }
        return true;
    });
    if (whole != blocks.end()) {
        // The usual file: one object holds everything, numbered as in the file.
        PendingObject &object = objects[static_cast<size_t>(whole - blocks.begin())];
        object.positions = std::move(contents.positions);
        object.corners = std::move(contents.corners);
        object.faceStart = std::move(contents.faceStart);
        MeshExtras &extras = object.extras;
        const auto width = static_cast<size_t>(contents.textureWidth);
        for (size_t t = 0; t < contents.textures.size() / 3; ++t) {
            for (size_t i = 0; i < width; ++i) contents.textures[t * width + i] = contents.textures[3 * t + i];
        }
        contents.textures.resize(contents.textures.size() / 3 * width);
        extras.textures = std::move(contents.textures);
        extras.normals = std::move(contents.normals);
        extras.faceRefs = std::move(contents.faceRefs);
        extras.elements = std::move(contents.elements);
        AddGroups(contents, *whole, extras);
    } else {
        Share share(contents);
        for (size_t i = 0; i < blocks.size(); ++i) {
            share.Take(blocks[i], objects[i]);
            AddGroups(contents, blocks[i], objects[i].extras);
        }
    }
    for (PendingObject &object : objects) {
        MeshExtras &extras = object.extras;
        extras.textureWidth = extras.textures.empty() ? 0 : contents.textureWidth;
        DropEmptyReferences(extras.faceRefs.textures);
        DropEmptyReferences(extras.faceRefs.normals);
        DropEmptyReferences(extras.elements.refs.textures);
        DropEmptyReferences(extras.elements.refs.normals);
    }
    std::erase_if(objects, [](const PendingObject &object) { return object.positions.empty() && !object.keepEmpty; });
    return objects;
}

}  // namespace simhost::obj
