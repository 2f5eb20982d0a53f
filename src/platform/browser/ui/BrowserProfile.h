// The one web profile every browser control of the program uses.
#pragma once

class QWebEngineProfile;

namespace tova {

// Created on first use and kept for the process. It keeps nothing on disk and caches nothing:
// generated pages and pictures are rewritten in place under the same names and must always be read
// afresh. It runs scripts, lets local pages read local files (frames, style sheets, pictures), keeps
// them from reaching the network, shows PDF files with the built-in viewer, and puts the link hook
// (PageScripts.h) into every document.
QWebEngineProfile* browserProfile();

} // namespace tova
