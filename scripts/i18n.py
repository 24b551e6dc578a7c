#!/usr/bin/env python3
"""Maintains the translation catalogues in src/i18n/.

  i18n.py set AREA FILE.json   add or replace translations in AREA's catalogues
  i18n.py check [--lupdate P]  fail when a text in the sources lacks a translation
  i18n.py merge BASE OURS THEIRS  three-way merge of one catalogue into OURS
                               (a git merge driver: see HACKING.md)

FILE.json is a list of entries:
  {"context": "Application", "source": "Database Error",
   "de": "...", "es": "...", "fr": "...", "ja": "..."}
optional: "comment" (the disambiguation of tr()), and "numerus": true with a list
of forms per language (English included: ["%n row", "%n rows"]).
The English catalogue takes the source text unless "en" is given.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
I18N = os.path.join(ROOT, "src", "i18n")
LANGS = ["de", "en", "es", "fr", "ja"]
AREAS = ["app", "widgets", "state", "data", "register", "screens", "services", "account", "sync", "update"]


def ts_path(area, lang, base=I18N):
    return os.path.join(base, f"{area}_{lang}.ts")


def load(path, lang):
    if os.path.exists(path):
        return ET.parse(path).getroot()
    root = ET.Element("TS", {"version": "2.1", "language": lang, "sourcelanguage": "en"})
    return root


def indent(elem, level=0):
    pad = "\n" + "    " * level
    if len(elem):
        if not (elem.text and elem.text.strip()):
            elem.text = pad + "    "
        for child in elem:
            indent(child, level + 1)
        if not (child.tail and child.tail.strip()):
            child.tail = pad
    if level and not (elem.tail and elem.tail.strip()):
        elem.tail = pad


def save(root, path):
    contexts = sorted(root.findall("context"), key=lambda c: c.findtext("name"))
    for c in root.findall("context"):
        root.remove(c)
    for c in contexts:
        for m in c.findall("message"):
            m.tail = None
        root.append(c)
    for e in root.iter():
        if e.tag != "source" and e.tag != "translation" and e.tag != "numerusform" and e.tag != "name" \
                and e.tag != "comment":
            e.text = None
        e.tail = None
    indent(root)
    body = ET.tostring(root, encoding="unicode")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        f.write(body)
        f.write("\n")


def find_context(root, name):
    for c in root.findall("context"):
        if c.findtext("name") == name:
            return c
    c = ET.SubElement(root, "context")
    ET.SubElement(c, "name").text = name
    return c


def set_entry(root, lang, entry):
    ctx = find_context(root, entry["context"])
    source = entry["source"]
    comment = entry.get("comment")
    for m in ctx.findall("message"):
        if m.findtext("source") == source and m.findtext("comment") == comment:
            ctx.remove(m)
    attrs = {"numerus": "yes"} if entry.get("numerus") else {}
    msg = ET.SubElement(ctx, "message", attrs)
    ET.SubElement(msg, "source").text = source
    if comment is not None:
        ET.SubElement(msg, "comment").text = comment
    value = entry.get(lang)
    if value is None and lang == "en":
        value = source
    if value is None:
        raise SystemExit(f"missing '{lang}' for {entry['context']}: {source!r}")
    tr = ET.SubElement(msg, "translation")
    if entry.get("numerus"):
        forms = value if isinstance(value, list) else [value]
        for form in forms:
            ET.SubElement(tr, "numerusform").text = form
    else:
        tr.text = value


def cmd_set(area, json_file):
    with open(json_file, encoding="utf-8") as f:
        entries = json.load(f)
    for lang in LANGS:
        path = ts_path(area, lang)
        root = load(path, lang)
        for entry in entries:
            set_entry(root, lang, entry)
        save(root, path)
    print(f"{len(entries)} texts set in {area}_*.ts")


def area_has_sources(area):
    folder = os.path.join(ROOT, "src", area)
    for _, _, files in os.walk(folder):
        if any(f.endswith((".cpp", ".h")) for f in files):
            return True
    return False


def cmd_check(lupdate):
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        for area in AREAS:
            if not area_has_sources(area):
                continue
            for lang in LANGS:
                src = ts_path(area, lang)
                dst = ts_path(area, lang, tmp)
                if os.path.exists(src):
                    shutil.copy(src, dst)
                subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                                "-source-language", "en", "-target-language", lang,
                                os.path.join(ROOT, "src", area), "-ts", dst],
                               check=True, stdout=subprocess.DEVNULL)
                if not os.path.exists(dst):
                    continue
                for ctx in ET.parse(dst).getroot().findall("context"):
                    name = ctx.findtext("name")
                    for m in ctx.findall("message"):
                        tr = m.find("translation")
                        kind = tr.get("type") if tr is not None else "missing"
                        if kind in ("unfinished", "missing"):
                            problems.append(f"{area}_{lang}.ts: {name}: {m.findtext('source')!r}")
    for p in problems:
        print("untranslated:", p)
    if problems:
        print(f"{len(problems)} texts lack a translation; add them with scripts/i18n.py set")
        return 1
    print("every text has its five translations")
    return 0


def messages_of(path):
    """{(context, source, comment): message element} of a catalogue; empty when absent."""
    result = {}
    if not path or not os.path.exists(path) or os.path.getsize(path) == 0:
        return result, None
    root = ET.parse(path).getroot()
    for ctx in root.findall("context"):
        name = ctx.findtext("name")
        for m in ctx.findall("message"):
            result[(name, m.findtext("source"), m.findtext("comment"))] = m
    return result, root


def same(a, b):
    return a is not None and b is not None and ET.tostring(a) == ET.tostring(b)


def cmd_merge(base, ours, theirs):
    base_msgs, _ = messages_of(base)
    our_msgs, our_root = messages_of(ours)
    their_msgs, their_root = messages_of(theirs)
    template = our_root if our_root is not None else their_root
    root = ET.Element("TS", dict(template.attrib))
    merged = {}
    for key in list(our_msgs) + [k for k in their_msgs if k not in our_msgs]:
        mine, other, old = our_msgs.get(key), their_msgs.get(key), base_msgs.get(key)
        if mine is None:
            # Dropped on our side: keep theirs only if they changed it.
            if old is not None and same(other, old):
                continue
            merged[key] = other
        elif other is None:
            if old is not None and same(mine, old):
                continue
            merged[key] = mine
        else:
            merged[key] = other if same(mine, old) else mine
    for (context, _, _), message in merged.items():
        find_context(root, context).append(message)
    save(root, ours)
    return 0


def main(argv):
    if len(argv) >= 3 and argv[0] == "set":
        cmd_set(argv[1], argv[2])
        return 0
    if len(argv) == 4 and argv[0] == "merge":
        return cmd_merge(*argv[1:])
    if argv and argv[0] == "check":
        lupdate = "/usr/lib/qt6/bin/lupdate"
        if len(argv) >= 3 and argv[1] == "--lupdate":
            lupdate = argv[2]
        return cmd_check(lupdate)
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
