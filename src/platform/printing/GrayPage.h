// A loaded page turned to shades of grey for a print in grayscale, its text kept as text: the
// colours of its elements (as they print) and the pixels of its pictures. The risk band colours get
// greys of their own, lighter for less risk, so that the bands keep their order on grey paper, and so
// do the trend lines and the answered and open marks, so that they stay apart; every other colour
// takes its lightness, so white stays white.
#pragma once

#include <QList>
#include <QString>

namespace tova::printing {

// A colour of the pages and charts that prints as a grey of its own in grayscale.
struct GreyOfColour {
    int red, green, blue;
    int grey;
};

// The risk band colours, from low to very high risk, then the colour of "not applicable", each with
// the grey it prints as.
QList<GreyOfColour> bandGreys();

// The colours of the trend charts' lines, each with a grey of its own: by lightness they would print
// as one grey.
QList<GreyOfColour> lineGreys();

// The colours of the marks of categories whose questions are all answered, and of those with
// questions still open: by lightness they would print close together.
QList<GreyOfColour> markGreys();

// A script that sets every element's colours to their grey and starts replacing each picture by a
// grey copy of the same pixels; the value of grayPicturesPendingScript() tells when it is done.
// colourPageScript() puts the page's own colours back.
QString grayPageScript();

// A script expression: how many pictures the gray page script is still turning grey.
QString grayPicturesPendingScript();

// A script that undoes the gray page script: the page shows its own colours and pictures again.
QString colourPageScript();

} // namespace tova::printing
