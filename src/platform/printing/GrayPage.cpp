#include "platform/printing/GrayPage.h"

#include <QStringList>

namespace tova::printing {

QList<GreyOfColour> bandGreys() {
    // The colours of the tiles, legend chips and chart bars; by lightness alone moderate risk would
    // print lighter than low risk, and not applicable close to it.
    return {
        {128, 255, 128, 205}, // low risk
        {255, 255, 128, 170}, // moderate
        {255, 128, 0, 125},   // high
        {255, 0, 0, 70},      // very high
        {227, 232, 238, 238}, // not applicable
    };
}

QList<GreyOfColour> lineGreys() {
    return {
        {31, 94, 168, 90},   // first group, and the overall trend
        {214, 96, 23, 180},  // second group
        {46, 139, 87, 45},   // third group (the colour of the answered mark)
        {163, 45, 150, 135}, // fourth group
        {196, 30, 58, 0},    // fifth group
    };
}

QList<GreyOfColour> markGreys() {
    return {
        {46, 139, 87, 45},   // all questions answered
        {217, 139, 31, 170}, // questions still open
    };
}

namespace {

// The greys of their own as a script array of [red, green, blue, grey].
QString ownGreysScript() {
    QStringList entries;
    for (const GreyOfColour& own : bandGreys() + lineGreys() + markGreys())
        entries << QStringLiteral("[%1, %2, %3, %4]").arg(own.red).arg(own.green).arg(own.blue).arg(own.grey);
    return QLatin1Char('[') + entries.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace

QString grayPageScript() {
    return QStringLiteral(R"JS((function () {
    var ownGreys = %1;
    // A band, line or mark colour prints as its own grey; any other colour at its lightness, as the
    // printer's own grayscale weighs the channels.
    function grey(r, g, b) {
        for (var i = 0; i < ownGreys.length; ++i) {
            var own = ownGreys[i];
            if (Math.abs(r - own[0]) <= 3 && Math.abs(g - own[1]) <= 3 && Math.abs(b - own[2]) <= 3)
                return own[3];
        }
        return Math.round(0.299 * r + 0.587 * g + 0.114 * b);
    }
    function greyColours(value) {
        return value.replace(/rgba?\(([^)]*)\)/g, function (whole, inner) {
            var parts = inner.split(/[\s,\/]+/).filter(function (part) { return part.length > 0; });
            if (parts.length < 3)
                return whole;
            var y = grey(parseFloat(parts[0]), parseFloat(parts[1]), parseFloat(parts[2]));
            return parts.length > 3 ? 'rgba(' + y + ', ' + y + ', ' + y + ', ' + parts[3] + ')'
                                    : 'rgb(' + y + ', ' + y + ', ' + y + ')';
        });
    }

    // The colours are read as they print: rules for print count, rules for the screen do not, while
    // the page is read (a white sheet under a tinted screen background stays white).
    var swapped = [];
    function swapMedia(media) {
        if (!media || !/\b(print|screen)\b/i.test(media.mediaText))
            return;
        var text = media.mediaText;
        media.mediaText = text.replace(/\b(print|screen)\b/gi, function (word) {
            return word.toLowerCase() === 'print' ? 'screen' : 'print';
        });
        swapped.push([media, text]);
    }
    function swapRules(rules) {
        Array.prototype.forEach.call(rules, function (rule) {
            swapMedia(rule.media);
            try {
                if (rule.cssRules)
                    swapRules(rule.cssRules);
            } catch (error) {
                // A rule whose own rules the page may not read keeps them as they are.
            }
        });
    }
    Array.prototype.forEach.call(document.styleSheets, function (sheet) {
        swapMedia(sheet.media);
        try {
            swapRules(sheet.cssRules);
        } catch (error) {
            // Rules the page may not read are read as the screen shows them.
        }
    });

    var properties = ['color', 'background-color', 'background-image', 'border-top-color', 'border-right-color',
        'border-bottom-color', 'border-left-color', 'outline-color', 'text-decoration-color', 'column-rule-color',
        'box-shadow', 'text-shadow', 'fill', 'stroke', 'stop-color', 'flood-color', 'lighting-color'];
    // Every value is read before any is set: a set colour would change what its children inherit.
    var changes = [];
    Array.prototype.forEach.call(document.querySelectorAll('*'), function (element) {
        var style = getComputedStyle(element);
        properties.forEach(function (property) {
            var value = style.getPropertyValue(property);
            var grey = greyColours(value);
            if (grey !== value)
                changes.push([element, property, grey]);
        });
    });
    swapped.forEach(function (media) { media[0].mediaText = media[1]; });

    // What colourPageScript() puts back: each changed property's own inline value, each picture's srcset.
    var undo = [];
    changes.forEach(function (change) {
        var style = change[0].style;
        undo.push([style, change[1], style.getPropertyValue(change[1]), style.getPropertyPriority(change[1])]);
        style.setProperty(change[1], change[2], 'important');
    });

    // A picture that arrives after the page has its colours back (a print that ended early) stays in colour.
    var generation = window.tovaGreyGeneration = (window.tovaGreyGeneration || 0) + 1;
    window.tovaGreyPicturesPending = 0;
    Array.prototype.forEach.call(document.images, function (picture) {
        if (!picture.complete || !picture.naturalWidth || !picture.currentSrc)
            return;
        undo.push([picture.style, 'filter', picture.style.getPropertyValue('filter'),
                   picture.style.getPropertyPriority('filter')]);
        undo.push([picture, 'srcset', picture.getAttribute('srcset')]);
        // The file's own pixels: a picture shown at a density carries more than it is wide.
        var source = new Image();
        window.tovaGreyPicturesPending++;
        source.onload = function () {
            if (window.tovaGreyGeneration !== generation) {
                window.tovaGreyPicturesPending--;
                return;
            }
            try {
                var canvas = document.createElement('canvas');
                canvas.width = source.naturalWidth;
                canvas.height = source.naturalHeight;
                var context = canvas.getContext('2d');
                context.drawImage(source, 0, 0);
                var pixels = context.getImageData(0, 0, canvas.width, canvas.height);
                var data = pixels.data;
                for (var i = 0; i < data.length; i += 4)
                    data[i] = data[i + 1] = data[i + 2] = grey(data[i], data[i + 1], data[i + 2]);
                context.putImageData(pixels, 0, 0);
                var density = source.naturalWidth / picture.naturalWidth;
                picture.srcset = canvas.toDataURL('image/png') + ' ' + density + 'x';
            } catch (error) {
                // A picture the page may not read is greyed as it is drawn instead.
                picture.style.setProperty('filter', 'grayscale(1)', 'important');
            }
            window.tovaGreyPicturesPending--;
        };
        source.onerror = function () {
            picture.style.setProperty('filter', 'grayscale(1)', 'important');
            window.tovaGreyPicturesPending--;
        };
        source.src = picture.currentSrc;
    });
    window.tovaColourUndo = undo;
    return true;
})())JS")
        .arg(ownGreysScript());
}

QString grayPicturesPendingScript() {
    return QStringLiteral("window.tovaGreyPicturesPending + "
                          "Array.prototype.filter.call(document.images, function (i) { return !i.complete; }).length");
}

QString colourPageScript() {
    return QStringLiteral(R"JS((function () {
    window.tovaGreyGeneration = (window.tovaGreyGeneration || 0) + 1;
    (window.tovaColourUndo || []).reverse().forEach(function (step) {
        if (step[1] === 'srcset') {
            if (step[2] === null)
                step[0].removeAttribute('srcset');
            else
                step[0].setAttribute('srcset', step[2]);
        } else {
            step[0].setProperty(step[1], step[2], step[3]);
        }
    });
    window.tovaColourUndo = [];
    return true;
})())JS");
}

} // namespace tova::printing
