#include "component.h"

#include "activation.h"
#include "crashreport/exceptions/exceptions.h"
#include "program_file.h"

#include <algorithm>

namespace crashnote {

namespace {

std::string notPresentMessage()
{
    return "\r\nCannot use a 'TCrashNote' component in module \"" + programFileName() +
           "\", without activate CrashNote.\r\nTo activate CrashNote use the new IDE \"Project/CrashNote Options...\" menu.";
}

} // namespace

TCrashNote::TCrashNote(QObject *owner) : QObject(owner)
{
    if (!Reporter::instance().isActive())
        throw CrashNoteNotPresent(notPresentMessage());
    TCrashNoteList::instance().add(this);
}

TCrashNote::~TCrashNote() { TCrashNoteList::instance().remove(this); }

TCrashNoteList &TCrashNoteList::instance()
{
    static TCrashNoteList list;
    return list;
}

void TCrashNoteList::add(TCrashNote *component)
{
    std::lock_guard lock(mutex_);
    components_.push_back(component);
}

void TCrashNoteList::remove(TCrashNote *component)
{
    std::lock_guard lock(mutex_);
    std::erase(components_, component);
}

std::vector<TCrashNoteEvents> TCrashNoteList::newestFirst() const
{
    std::lock_guard lock(mutex_);
    std::vector<TCrashNoteEvents> events;
    for (auto it = components_.rbegin(); it != components_.rend(); ++it)
        events.push_back(static_cast<const TCrashNoteEvents &>(**it));
    return events;
}

std::size_t TCrashNoteList::count() const
{
    std::lock_guard lock(mutex_);
    return components_.size();
}

} // namespace crashnote
