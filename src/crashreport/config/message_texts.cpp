#include "message_texts.h"

namespace crashnote {

namespace {

MessageTexts makeDefaults()
{
    MessageTexts t;
    const char *const texts[kMessageTextCount] = {
        // Message captions
        "Information.", "Question.", "Error.",
        // Exception dialog (detailed)
        "Error occurred",
        "An error has occurred during program execution.\r\nPlease read the following information for further details.",
        "General", "General Information", "Call Stack", "Call Stack Information", "Modules",
        "Modules Information", "Processes", "Processes Information", "Assembler",
        "Assembler Information", "CPU", "CPU Information", "&OK", "&Terminate", "&Restart",
        "&Details", "&Help", "&Send this error via Internet", "&Attach a Screenshot image",
        "&Copy to Clipboard", "Go to the Support Page",
        // Exception dialog (classic)
        "The application has encountered a problem. We are sorry for the inconvenience.",
        "Restart application.", "Terminate application.", "Please tell us about this problem.",
        "We have created an error report that you can send to us. We will treat this report as confidential and anonymous.",
        "To see what data the error report contains,", "click here.",
        "What were you doing when the problem happended (optional)?", "Email address (optional):",
        "&Send Error Report", "&Don't Send",
        // General data
        "Application", "Start Date", "Name/Description", "Version Number", "Parameters",
        "Compilation Date", "Up Time", "Exception", "Date", "Address", "Module Name",
        "Module Version", "Type", "Message", "ID", "Count", "Status", "Note", "User", "ID", "Name",
        "Email", "Company", "Privileges", "Active Controls", "Form Class", "Form Text",
        "Control Class", "Control Text", "Computer", "Name", "Total Memory", "Free Memory",
        "Total Disk", "Free Disk", "System Up Time", "Processor", "Display Mode", "Display DPI",
        "Video Card", "Printer", "Operating System", "Type", "Build #", "Update", "Language",
        "Charset", "Network", "IP Address", "Submask", "Gateway", "DNS 1", "DNS 2", "DHCP",
        "Custom Information",
        // Call stack
        "Address", "Module", "Unit", "Class", "Procedure/Method", "Line",
        // Threads
        "Main", "Exception Thread", "Running Thread", "Calling Thread", "ID", "Priority", "Class",
        // Leaks
        "Memory Leak", "Data", "Type", "Total size", "Count",
        // Send dialog
        "Send.", "Message", "Resolving DNS...", "Login...", "Connecting with server...",
        "Connected with server.", "Sending message...", "Message sent.", "Select project...",
        "Searching...", "Modifying...", "Disconnecting...", "Disconnected.",
        // Reproduce dialog
        "Request", "Please describe the steps to reproduce the error:", "&OK",
        // Modules list
        "Handle", "Name", "Description", "Version", "Size", "Modified", "Path",
        // Processes list
        "ID", "Name", "Description", "Version", "Memory", "Priority", "Threads", "Path",
        // CPU
        "Registers", "Stack", "Memory Dump",
        // Send messages
        "The message was sent successfully.", "Sorry, sending the message didn't work.",
        "These BUG is just closed.\r\nContact the program support to obtain an update.",
        "Unknown error.", "Invalid login request.", "Invalid search request.",
        "Invalid selection request.", "Invalid insert request.", "Invalid modify request.",
        // Slot 153 has never carried a text; kept empty so that the numbering holds.
        "",
        // Other messages
        "Multi Free memory leak.", "Memory Overrun leak.", "The application seems to be frozen.",
        "Invalid email.",
    };
    for (int i = 0; i < kMessageTextCount; ++i)
        t[static_cast<std::size_t>(i)] = texts[i];
    return t;
}

} // namespace

const MessageTexts &defaultMessageTexts()
{
    static const MessageTexts defaults = makeDefaults();
    return defaults;
}

} // namespace crashnote
