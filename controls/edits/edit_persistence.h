#pragma once

#include "platform/gui/core/classes.h"

#include <string>

// Where a typed edit keeps its value and lookup history between runs.

enum TPersistenceLocation
{
    plInifile, // an INI file named by Key
    plRegistry // the user's settings under Key, Section as its part
};

class TPersistence : public TPersistent
{
public:
    bool Enable() const { return enable_; }
    void SetEnable(bool value) { enable_ = value; }
    // The INI file's name, or the path of the user's settings.
    const std::string& Key() const { return key_; }
    void SetKey(const std::string& value) { key_ = value; }
    const std::string& Section() const { return section_; }
    void SetSection(const std::string& value) { section_ = value; }
    TPersistenceLocation Location() const { return location_; }
    void SetLocation(TPersistenceLocation value) { location_ = value; }

    void Assign(const TPersistent* source) override
    {
        if (const auto* other = dynamic_cast<const TPersistence*>(source)) {
            enable_ = other->enable_;
            key_ = other->key_;
            section_ = other->section_;
            location_ = other->location_;
            return;
        }
        TPersistent::Assign(source);
    }

private:
    bool enable_ = false;
    std::string key_;
    std::string section_;
    TPersistenceLocation location_ = plInifile;
};

// The file that holds the settings of plRegistry: an INI file named after key in the user's configuration
// folder (XDG), its sections the keys' parts.
std::string UserSettingsFile(const std::string& key);
