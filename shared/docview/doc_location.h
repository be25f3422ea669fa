// Locations the document view deals in: file paths, file:/// URLs and web
// URLs, and how a link in a page is resolved against the page's location.
#pragma once

#include <string>

enum class DocumentType { Html, Text, Other };

// True for "http:" and "https:" locations (any case).
bool IsWebUrl(const std::string& location);
// True when the location starts with a URL scheme of two or more letters
// (so "C:\x" is a path, "file:///C:/x" and "mailto:a@b" are URLs).
bool HasUrlScheme(const std::string& location);
// "C:\My Docs\a.html" -> "file:///C:/My%20Docs/a.html"; "\\srv\share\a" ->
// "file://srv/share/a". URLs are answered unchanged.
std::string PathToFileUrl(const std::string& location);
// The reverse of PathToFileUrl; a plain path is answered unchanged, any
// other URL gives empty text.
std::string FileUrlToPath(const std::string& location);
// Resolves a link written in a page against the page's location (a path or
// URL). File targets come back as file:/// URLs; the fragment ("#part") and
// query are dropped from file targets. Empty when the link leads nowhere
// (empty href, or only a fragment of the same page).
std::string ResolveLink(const std::string& pageLocation, const std::string& href);
// By the extension of the location's path part.
DocumentType DocumentTypeOf(const std::string& location);
// The extension, lower case, with its dot (".pdf"); empty when none.
std::string ExtensionOf(const std::string& location);
