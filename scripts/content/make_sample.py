#!/usr/bin/env python3
"""Writes content/sample.tova, the sample project, from content/database/data.xml.

Four reviews over four phases: three complete (every question of the phase answered, a few with
"Not applicable") and the last one half answered. The answers are drawn from a fixed seed, so the
file only changes when the questionnaire does.
Run after make_database.py: python3 scripts/content/make_sample.py
"""
import os
import random
import xml.etree.ElementTree as ET

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
CONTENT = os.path.join(ROOT, "content")

HEADER = [
    ("reference_num", "RWT-2031"),
    ("projectname", "Riverside Water Treatment Upgrade"),
    ("subprojectname", "Filtration building and pipework"),
    ("location", "Riverside, North District"),
    ("owner", "Riverside Water Board"),
    ("projectmanager", "Alex Morgan"),
]

# (review id, phase, date, share of questions answered, answer odds for options 1..4, how many "5")
REVIEWS = [
    (1, 1, "Mar 14, 2025", 1.0, [2, 4, 3, 1], 2),
    (2, 2, "Sep 02, 2025", 1.0, [3, 4, 2, 1], 3),
    (3, 3, "Feb 17, 2026", 1.0, [4, 4, 2, 0.5], 2),
    (4, 4, "Jul 21, 2026", 0.5, [4, 3, 2, 0.5], 1),
]
CURRENT_REVIEW = 3


def add(parent, name, text):
    element = ET.SubElement(parent, name)
    element.text = text
    return element


def main():
    data = ET.parse(os.path.join(CONTENT, "database", "data.xml")).getroot()
    rng = random.Random(2031)
    project = ET.Element("project", {"ver": "2.0"})
    for name, text in HEADER:
        add(project, name, text)
    add(project, "currentreview", str(CURRENT_REVIEW))
    for review_id, phase, date, share, odds, not_applicable in REVIEWS:
        review = ET.SubElement(project, "review", {"id": str(review_id)})
        add(review, "phase", str(phase))
        add(review, "date", date)
        ids = [q.findtext("question_id") for q in data.iterfind("survey/section/category/question")
               if q.findtext("phase_id") == str(phase)]
        if share < 1.0:
            ids = sorted(rng.sample(ids, int(len(ids) * share)), key=ids.index)
        na = set(rng.sample(ids, not_applicable))
        for question_id in ids:
            answer = 5 if question_id in na else rng.choices([1, 2, 3, 4], weights=odds)[0]
            response = ET.SubElement(review, "response")
            add(response, "question_id", question_id)
            add(response, "answer", str(answer))
    ET.indent(project, space="  ")
    out = os.path.join(CONTENT, "sample.tova")
    with open(out, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="UTF-8"?>\n')
        f.write(ET.tostring(project, encoding="utf-8"))
        f.write(b"\n")
    print(f"wrote {out}")


if __name__ == "__main__":
    main()
