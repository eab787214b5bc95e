#include "simhost/host/settings_tree.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "host/contract_codes.h"
#include "simhost/host/platform.h"
#include "simhost/host/safe_write.h"

namespace simhost {

namespace {

constexpr const char *kRootName = "settings";
constexpr const char *kPluginsName = "pluginsettings";

bool Contains(pugi::xml_node subtree, const pugi::xml_node_struct *wanted) {
    if (subtree.internal_object() == wanted) return true;
    for (pugi::xml_node child : subtree.children()) {
        if (child.type() == pugi::node_element && Contains(child, wanted)) return true;
    }
    return false;
}

}  // namespace

std::string DefaultSettingsPath() { return platform::ConfigDirectory() + "/simhost/settings.xml"; }

SettingsTree::SettingsTree() { Reset(); }

void SettingsTree::Reset() {
    document_.reset();
    root_ = document_.append_child(kRootName);
    plugins_ = root_.append_child(kPluginsName);
}

void SettingsTree::Load(const std::string &path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        Reset();
        return;
    }
    if (std::filesystem::is_directory(path, error)) throw SettingsError("the settings file '" + path + "' is a folder");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw SettingsError("cannot read the settings file '" + path +
                            "': " + std::generic_category().message(errno != 0 ? errno : EIO));
    }
    // A settings file is a few kilobytes; reading stops well beyond that, so that a device
    // that never ends (or a huge file given by mistake) is refused instead of filling memory.
    // It is read in pieces: zero-filling a buffer of the whole limit took a thousand
    // times longer than reading a file of a few kilobytes.
    constexpr size_t kLargest = 16 << 20;
    constexpr size_t kPiece = 64 << 10;
    std::string bytes;
    while (in && bytes.size() <= kLargest) {
        const size_t had = bytes.size();
        bytes.resize(had + std::min(kPiece, kLargest + 1 - had));
        in.read(bytes.data() + had, static_cast<std::streamsize>(bytes.size() - had));
        bytes.resize(had + static_cast<size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw SettingsError("cannot read the settings file '" + path + "': " + std::generic_category().message(EIO));
    }
    if (bytes.size() > kLargest) {
        throw SettingsError("the settings file '" + path + "' is larger than 16 MiB; it was left as it is");
    }
    pugi::xml_document loaded;
    const pugi::xml_parse_result parsed = loaded.load_buffer(bytes.data(), bytes.size());
    if (!parsed) {
        // Where the parser stopped, as a line number a person can look up.
        const auto offset = static_cast<size_t>(std::max<ptrdiff_t>(parsed.offset, 0));
        const auto line =
            1 + std::count(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(std::min(offset, bytes.size())), '\n');
        throw SettingsError("the settings file '" + path + "' is not valid XML (line " + std::to_string(line) + ": " +
                            parsed.description() + "); it was left as it is");
    }
    pugi::xml_node root = loaded.document_element();
    if (std::string(root.name()) != kRootName) {
        throw SettingsError("the settings file '" + path + "' has no <" + kRootName +
                            "> element at its top; it was left as it is");
    }
    document_.reset(loaded);
    root_ = document_.document_element();
    plugins_ = root_.child(kPluginsName);
    if (!plugins_) plugins_ = root_.append_child(kPluginsName);
}

void SettingsTree::Save(const std::string &path) const {
    const std::filesystem::path target(path);
    // A folder that cannot be made shows as the write's own failure, with its reason.
    std::error_code ignored;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ignored);
    try {
        WriteWholeFile(path, Xml());
    } catch (const WriteError &error) {
        throw SettingsError("cannot write settings '" + path + "': " + error.why());
    }
}

pugi::xml_node SettingsTree::Resolve(MQXmlElement element) const {
    const auto *wanted = reinterpret_cast<const pugi::xml_node_struct *>(element);
    if (wanted == nullptr || !Contains(root_, wanted)) return {};
    return pugi::xml_node(const_cast<pugi::xml_node_struct *>(wanted));
}

int SettingsTree::Value(MQXmlElement element, int code, void *record,
                        const std::function<void(Check, const std::string &)> &rejected) {
    const auto reject = [&](Check check, const std::string &what) {
        rejected(check, what);
        return 0;
    };
    pugi::xml_node node = Resolve(element);
    if (!node && element == nullptr) return reject(Check::NullElement, "null element");
    if (!node) return reject(Check::ElementNotInTree, "element handle that is not in the settings tree");
    if (record == nullptr) return reject(Check::NullSettingsRecord, "null record with message " + std::to_string(code));
    switch (code) {
        case stelmarin::kXmlAddChild: {
            auto &add = *static_cast<XmlAddChild *>(record);
            if (add.name == nullptr || *add.name == '\0')
                return reject(Check::AddChildWithoutName, "add child without a name");
            add.result = Handle(node.append_child(add.name));
            return 1;
        }
        case stelmarin::kXmlRemoveChild: {
            auto &remove = *static_cast<XmlRemoveChild *>(record);
            pugi::xml_node child = Resolve(remove.child);
            if (!child || child.parent() != node)
                return reject(Check::RemoveOfNonChild, "remove of an element that is not a child");
            node.remove_child(child);
            if (remove.result != nullptr) *remove.result = 1;
            return 1;
        }
        case stelmarin::kXmlFindChild: {
            auto &find = *static_cast<XmlFindChild *>(record);
            if (find.name == nullptr) return reject(Check::FindChildWithoutName, "find child without a name");
            pugi::xml_node child = node.child(find.name);
            find.result = child ? Handle(child) : nullptr;
            return 1;
        }
        case stelmarin::kXmlGetText: {
            auto &get = *static_cast<XmlGetText *>(record);
            pugi::xml_node text = node.first_child();
            if (text.type() != pugi::node_pcdata && text.type() != pugi::node_cdata) {
                get.result = nullptr;
                return 1;
            }
            text_ = text.value();
            get.result = text_.c_str();
            return 1;
        }
        case stelmarin::kXmlSetText: {
            const auto &set = *static_cast<const XmlSetText *>(record);
            if (set.text == nullptr) return reject(Check::SetTextWithoutText, "set text without a text");
            node.text().set(set.text);
            return 1;
        }
        default:
            return reject(Check::UnknownSettingsCode, "unknown message code " + std::to_string(code));
    }
}

const char *SettingsTree::TextAt(const std::string &path) const {
    pugi::xml_node node = root_.first_element_by_path(path.c_str());
    return node ? node.text().get() : nullptr;
}

std::string SettingsTree::Xml() const {
    std::ostringstream out;
    document_.save(out, "  ");
    return out.str();
}

}  // namespace simhost
