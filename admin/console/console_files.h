// The files and folders the console works on: which document, settings file
// and document-dates file a tab shows when the administrator has not picked
// one, and what kind of document a path names.
#pragma once

#include <string>

class SettingsStore;

// "htm" or "html" at the end of the name, in any case.
bool IsHtmlFile(const std::string& path);
// "pdf" or "doc" at the end of the name, in any case: shown, never edited.
bool IsPdfOrDocFile(const std::string& path);

// The document of the first tab: the picked path when it is an existing
// document, else "Declaration Document" when it names an existing file, else
// the first existing standard document, else "documents\index.htm".
std::string GetDocumentFile(const std::string& appFolder, const std::string& documentPath,
                            const SettingsStore& adminSettings);

// The settings file being edited: the picked one, else "Tessarin.ini" of the
// application folder (remembered in *adminSettingsPath).
std::string GetSettingsFile(const std::string& appFolder, std::string* adminSettingsPath);

// The document-dates file: the picked one while it exists, else
// "documents\document.ini" of the application folder.
std::string GetDatesFile(const std::string& appFolder, std::string* datesFilePath);

// The working copy beside a document: its path followed by "~".
std::string WorkingCopyOf(const std::string& documentPath);
