#pragma once

// A module's reporter options and their operations.

#include "option_values.h"

#include <functional>
#include <iosfwd>
#include <string>

namespace crashnote {

class TCrashNoteModuleOptions {
public:
    TCrashNoteModuleOptions() = default;
    TCrashNoteModuleOptions(const TCrashNoteModuleOptions &other) : values_(other.values_) {}
    TCrashNoteModuleOptions &operator=(const TCrashNoteModuleOptions &other)
    {
        assign(&other);
        return *this;
    }
    virtual ~TCrashNoteModuleOptions() = default;

    // Runs when the outermost group of changes ends.
    virtual void changed();
    virtual void setActive(bool on);
    virtual void setFreezeDetection(bool on);
    // Throws EConvertError for a null source.
    virtual void assign(const TCrashNoteModuleOptions *source);
    virtual void reset();
    virtual void saveToStream(std::ostream &out) const;
    virtual void saveToFile(const std::string &path) const;
    virtual void loadFromStream(std::istream &in);
    virtual void loadFromFile(const std::string &path);

    // Changes made between beginUpdate and the matching endUpdate are
    // announced once.
    void beginUpdate() { ++updateDepth_; }
    void endUpdate();
    template <typename Change>
    void update(Change &&change)
    {
        beginUpdate();
        change(values_);
        endUpdate();
    }

    const OptionValues &values() const { return values_; }
    void setOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    OptionValues values_;
    int updateDepth_ = 0;
    std::function<void()> onChange_;
};

} // namespace crashnote
