#pragma once
// The program's log: a text file named after the application title with the extension ".log", created or
// emptied at start-up. It lives in a folder the caller chooses (the per-user data folder), never in a
// system folder. The top-level career routine writes "Exception %s: %s" lines to it.
//
// Trace calls (a level, a printf-style format such as "Open file %s", and arguments) are kept at their
// places in the code for the reader; they accept their arguments and write nothing.
#include <string>

// Creates or empties "<folder>/<applicationTitle>.log" (the folder is created when missing). False when the
// file cannot be written; the program then runs without a log.
bool OpenLogFile(const std::string& folder, const std::string& applicationTitle);
// The path of the open log, empty when there is none.
std::string LogFilePath();
// Appends one line (Windows-1252 text) to the log; nothing when no log is open.
void WriteLog(const std::string& line);
void CloseLogFile();

template <class... Args> inline void Trace(int /*level*/, const char* /*format*/, const Args&... /*args*/) {}
