// The files the program proposes for a project's first save and for a print to file, named after
// the project so that one project's files stand together and one printout never replaces another.
// Every proposed file name fits the 255 bytes a file name may take; a part that would not fit is cut
// between two characters.
#pragma once

#include <QString>

namespace Globals {

// The project's reference number (or, without one, the project name) followed by ".tova", as a file
// name: characters that a file name cannot hold here or on the disks projects are carried on become
// "-", and no name starts with a dot (a hidden file) or has an empty stem ("TOVA Project.tova").
QString ProposedProjectFileName(const QString& referenceNum, const QString& projectName);

// The folder new projects are proposed in: "My TOVA Projects" in the documents folder.
QString ProjectsFolder();

// The PDF file proposed for printing a screen ("2024-017 Fishbone.pdf"; characters of the title
// that a file name cannot hold become "-", as in the project's name), in the open project's
// folder, or the projects folder for a project never saved (made when missing, so that a print
// into it can succeed).
QString ProposedPrintoutFile(const QString& screenTitle);

// The PDF file proposed for printing one section's screen: the screen title followed by the
// section's description, so that printing each section in turn never proposes the same file.
QString ProposedSectionPrintoutFile(const QString& screenTitle, qint16 sectionId);

} // namespace Globals
