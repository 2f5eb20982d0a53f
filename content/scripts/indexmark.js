// Keeps the entry an index page marks in sight. A window marks its index before it is shown, while
// the frame has no size yet, so the mark is brought into sight again each time the frame changes
// size, until the reader scrolls, clicks or types in the index.
var markToKeepInSight = null;

function revealMark() {
    if (!markToKeepInSight) {
        return;
    }
    var box = markToKeepInSight.getBoundingClientRect();
    if (box.top < 0 || box.bottom > window.innerHeight) {
        markToKeepInSight.scrollIntoView({block: "center"});
    }
}

function keepMarkInSight(element) {
    markToKeepInSight = element;
    revealMark();
}

window.addEventListener("resize", revealMark);
["wheel", "mousedown", "keydown", "touchstart"].forEach(function (type) {
    window.addEventListener(type, function () { markToKeepInSight = null; }, true);
});
