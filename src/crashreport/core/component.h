#pragma once

// The reporter component a window carries. It has no properties besides the
// nine events; creating one while the reporter is inactive fails.

#include "events.h"

#include <QObject>

#include <mutex>
#include <vector>

namespace crashnote {

class TCrashNote : public QObject, public TCrashNoteEvents {
    Q_OBJECT
public:
    // Throws CrashNoteNotPresent when the program carries no configuration block.
    explicit TCrashNote(QObject *owner = nullptr);
    ~TCrashNote() override;
};

// The components alive in this module, oldest first.
class TCrashNoteList {
public:
    static TCrashNoteList &instance();
    void add(TCrashNote *component);
    void remove(TCrashNote *component);
    // Copies of the event sets, newest component first (the dispatch order).
    std::vector<TCrashNoteEvents> newestFirst() const;
    std::size_t count() const;

private:
    mutable std::mutex mutex_;
    std::vector<TCrashNote *> components_;
};

} // namespace crashnote
