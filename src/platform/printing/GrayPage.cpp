#include "platform/printing/GrayPage.h"

namespace tova::printing {

QString grayPageScript() {
    return QStringLiteral(R"JS((function () {
    // Lightness as the printer's own grayscale weighs the channels.
    function grey(r, g, b) {
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
    changes.forEach(function (change) { change[0].style.setProperty(change[1], change[2], 'important'); });

    window.tovaGreyPicturesPending = 0;
    Array.prototype.forEach.call(document.images, function (picture) {
        if (!picture.complete || !picture.naturalWidth || !picture.currentSrc)
            return;
        // The file's own pixels: a picture shown at a density carries more than it is wide.
        var source = new Image();
        window.tovaGreyPicturesPending++;
        source.onload = function () {
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
    return true;
})())JS");
}

QString grayPicturesPendingScript() {
    return QStringLiteral("window.tovaGreyPicturesPending + "
                          "Array.prototype.filter.call(document.images, function (i) { return !i.complete; }).length");
}

} // namespace tova::printing
