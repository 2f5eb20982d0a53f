#!/usr/bin/env python3
"""Writes content/database/data.xml from questionnaire.py and checks its rules on the way.

Run from anywhere: python3 scripts/content/make_database.py
It also refreshes the table of section weights in content/misc/weightings.htm.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from questionnaire import ACRONYMS, NOT_APPLICABLE, PHASE_LETTERS, PHASES, SCALES, SECTIONS  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
CONTENT = os.path.join(ROOT, "content")


def number_text(value):
    """Numbers are always written with '.' as the decimal separator and without trailing zeros."""
    text = f"{value:.6f}".rstrip("0").rstrip(".")
    return text or "0"


def add(parent, name, text):
    element = ET.SubElement(parent, name)
    element.text = text
    return element


def build():
    data = ET.Element("data")
    phases = ET.SubElement(data, "phases")
    for phase_id, desc, summary in PHASES:
        phase = ET.SubElement(phases, "phase")
        add(phase, "phase_id", str(phase_id))
        add(phase, "phase_desc", desc)
        add(phase, "phase_summary", summary)

    survey = ET.SubElement(data, "survey")
    glossary_items = []
    seen_ids = set()
    for section_id, section_desc, section_weight, section_summary, categories in SECTIONS:
        section = ET.SubElement(survey, "section")
        add(section, "section_id", str(section_id))
        add(section, "section_desc", section_desc)
        add(section, "section_weight", number_text(section_weight))
        add(section, "section_summary", section_summary)
        for category_id, small_desc, cat_desc, questions in categories:
            category = ET.SubElement(section, "category")
            add(category, "category_id", str(category_id))
            add(category, "small_cat_desc", small_desc)
            add(category, "category_desc", cat_desc)
            per_phase = {}
            for position, q in enumerate(questions, start=1):
                phase_id, weight, keyword, text, scale, term, definition, suggestion = q
                per_phase.setdefault(phase_id, []).append(weight)
                ordinal = len(per_phase[phase_id])
                question_id = category_id * 100 + position
                assert question_id not in seen_ids, question_id
                seen_ids.add(question_id)
                gloss_key = f"{category_id}{PHASE_LETTERS[phase_id - 1]}{ordinal}"
                question = ET.SubElement(category, "question")
                add(question, "question_id", str(question_id))
                add(question, "question_number", f"{section_id}.{gloss_key}")
                add(question, "question_keyword", keyword)
                add(question, "phase_id", str(phase_id))
                add(question, "weight", number_text(weight))
                add(question, "question_text", text)
                options, risks = SCALES[scale]
                for n, option in enumerate(options, start=1):
                    add(question, f"answer{n}", option)
                add(question, "answer5", NOT_APPLICABLE)
                for n, risk in enumerate(risks, start=1):
                    add(question, f"answer{n}weight", number_text(risk))
                glossary_items.append((gloss_key, term, definition, suggestion))
            for phase_id, weights in per_phase.items():
                assert abs(sum(weights) - 1.0) < 1e-9, (category_id, phase_id, weights)

    glossary = ET.SubElement(data, "glossary")
    keys = set()
    for key, term, definition, suggestion in glossary_items:
        assert key not in keys, key
        keys.add(key)
        item = ET.SubElement(glossary, "gloss_item")
        add(item, "gloss_key", key)
        add(item, "small_term", term)
        add(item, "definition", definition)
        add(item, "suggestion", suggestion)

    acronyms = ET.SubElement(data, "acronyms")
    for acronym_id, abbreviation, meaning, explanation in ACRONYMS:
        acronym = ET.SubElement(acronyms, "acronym")
        add(acronym, "acronym_id", str(acronym_id))
        add(acronym, "abbreviation", abbreviation)
        add(acronym, "meaning", meaning)
        add(acronym, "explanation", explanation)

    assert abs(sum(s[2] for s in SECTIONS) - 1.0) < 1e-9
    assert len(seen_ids) >= 120, len(seen_ids)
    return data, len(seen_ids)


def refresh_weightings_table():
    path = os.path.join(CONTENT, "misc", "weightings.htm")
    if not os.path.exists(path):
        return
    rows = "\n".join(
        f"        <tr><td>{name}</td><td class=\"num\">{round(weight * 100)}%</td></tr>"
        for _, name, weight, _, _ in SECTIONS)
    with open(path, encoding="utf-8") as f:
        page = f.read()
    page = re.sub(r"(<!-- section weights -->\n).*?(\n\s*<!-- end section weights -->)",
                  lambda m: m.group(1) + rows + m.group(2), page, flags=re.S)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


def main():
    data, count = build()
    ET.indent(data, space="  ")
    out = os.path.join(CONTENT, "database", "data.xml")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="UTF-8"?>\n')
        f.write(ET.tostring(data, encoding="utf-8"))
        f.write(b"\n")
    refresh_weightings_table()
    print(f"wrote {out}: {count} questions")


if __name__ == "__main__":
    main()
