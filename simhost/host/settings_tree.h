// The host's settings: a real XML tree with a root element and, below it, the element
// that holds every plug-in's settings. It answers the XML element messages of the
// plug-in interface and is kept in an XML file between runs.
#pragma once

#include <pugixml.hpp>

#include <functional>
#include <stdexcept>
#include <string>

#include "host/host_abi.h"
#include "simhost/host/host_checks.h"

namespace simhost {

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsTree {
public:
    SettingsTree();

    // Reads the tree from `path`. A missing file gives an empty tree; a folder, or a file
    // that cannot be read or is not a settings file, throws SettingsError naming it, and is
    // left as it is.
    void Load(const std::string &path);
    // Replaces the file at `path` with the tree, whole or not at all, making its folder when
    // needed. Throws SettingsError naming it and the system's reason.
    void Save(const std::string &path) const;

    MQXmlElement Root() { return Handle(root_); }
    MQXmlElement PluginSettings() { return Handle(plugins_); }

    // One MQXmlElem_Value call. What a real host would reject goes to `reject`, under the
    // check it fails and in words, and the call answers 0.
    int Value(MQXmlElement element, int code, void *record,
              const std::function<void(Check, const std::string &)> &reject);

    // The text of `path` below the root ("pluginsettings/Plugin-.../PosX"), or null.
    const char *TextAt(const std::string &path) const;
    pugi::xml_node PluginSettingsNode() const { return plugins_; }
    std::string Xml() const;

private:
    static MQXmlElement Handle(pugi::xml_node node) { return reinterpret_cast<MQXmlElement>(node.internal_object()); }
    // The element behind a handle, or an empty node when the handle names no element of
    // this tree.
    pugi::xml_node Resolve(MQXmlElement element) const;
    void Reset();

    pugi::xml_document document_;
    pugi::xml_node root_;
    pugi::xml_node plugins_;
    std::string text_;  // the last text handed out; valid until the next message
};

// Where the stand-in host keeps its settings unless told otherwise.
std::string DefaultSettingsPath();

}  // namespace simhost
