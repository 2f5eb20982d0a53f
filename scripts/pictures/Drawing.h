// The pictures of TOVA, each drawn with QPainter from nothing but shapes and text.
#pragma once

#include <QImage>
#include <QString>

namespace Pictures {

QImage logo(int size);
QImage splash();
QImage about();
QImage printHeader();
QImage projectIcon(int size);
QImage newProjectIcon(int size);
QImage sampleProjectIcon(int size);
// Status marks of questionnaire categories: "c" complete, "i" incomplete, "nq" no questions,
// anything else the neutral mark shown before the categories are marked.
QImage statusMark(const QString& state);

} // namespace Pictures
