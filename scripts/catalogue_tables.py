#!/usr/bin/env python3
"""The catalogues (translations/vornia_<language>.ts) in the forms a face
without Qt's translator reads, made at build time:

  catalogue_tables.py cpp OUT.cpp --contexts A,B TS...
      a C++ source defining BuiltInCatalogues() (board/catalogue_table.h):
      per language, the finished translations of the contexts named, sorted
      by context and source for a binary search.
  catalogue_tables.py json OUT_DIR --contexts A,B TS...
      OUT_DIR/<language>.json per catalogue: {"language": "de", "texts":
      {context: {source: translation}}} for the web page, which fetches only
      the file of the language it shows.
  catalogue_tables.py languages OUT.h TS...
      a C++ header defining CatalogueLanguages: per catalogue, its language
      and that language's name in itself (the translation of "English" in
      the context Language), for the window's Language menu and the
      settings. OUT.h is left untouched when it would not change.

The language is the catalogue's file name after "vornia_". A message without
a finished translation is left out: the program then shows the English text,
as Qt's translator does.
"""
import json
import os
import re
import sys
import xml.etree.ElementTree as ET


def fail(text):
    sys.exit("catalogue_tables.py: " + text)


def language_of(path):
    match = re.fullmatch(r"vornia_([A-Za-z_]+)\.ts", os.path.basename(path))
    if not match:
        fail(f"{path}: a catalogue is named vornia_<language>.ts")
    return match.group(1)


def text_of(element):
    """The element's text with its <byte value="xd"/> characters (control
    characters such as the carriage return), as Qt's tools write them."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag != "byte":
            fail(f"unexpected <{child.tag}> in a message")
        value = child.get("value", "")
        parts.append(chr(int(value[1:], 16) if value[:1] in ("x", "X") else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def read_catalogue(path, contexts):
    """{context: [(source, translation)]} of the contexts asked for, in file order."""
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError) as error:
        fail(f"{path}: {error}")
    texts = {name: [] for name in contexts}
    for context in root.iter("context"):
        name = context.findtext("name", "")
        if name not in texts:
            continue
        seen = set()
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            if message.get("numerus") == "yes":
                fail(f"{path}: {name}: '{source}' has plural forms, which the tables do not hold")
            if message.find("comment") is not None:
                fail(f"{path}: {name}: '{source}' is told apart by a comment, which the lookup has no word for")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            text = text_of(translation)
            if not text or source in seen:
                continue
            seen.add(source)
            texts[name].append((source, text))
    return texts


def cpp_literal(text):
    # Octal escapes end after three digits, so no following character can
    # join one; everything outside printable ASCII is escaped.
    out = []
    for byte in text.encode("utf-8"):
        char = chr(byte)
        if char in '"\\':
            out.append("\\" + char)
        elif 0x20 <= byte < 0x7F:
            out.append(char)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def write_text(path, text):
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path + ".new", "w", encoding="utf-8", newline="\n") as new:
        new.write(text)
    os.replace(path + ".new", path)


def write_cpp(out, contexts, catalogues):
    lines = [
        "// Made by scripts/catalogue_tables.py from translations/*.ts; do not edit.",
        '#include "board/catalogue_table.h"',
        "",
        "#include <array>",
        "",
        "namespace vornia {",
        "namespace {",
        "",
    ]
    names = []
    for language, texts in catalogues:
        entries = sorted(
            ((context.encode(), source.encode(), context, source, translation)
             for context in contexts for source, translation in texts[context]))
        name = "Entries_" + language
        names.append((language, name, len(entries)))
        lines.append(f"constexpr std::array<TCatalogueEntry, {len(entries)}> {name}{{{{")
        for _, _, context, source, translation in entries:
            lines.append(f"    {{{cpp_literal(context)}, {cpp_literal(source)}, {cpp_literal(translation)}}},")
        lines.append("}};")
        lines.append("")
    lines.append(f"constexpr std::array<TCatalogue, {len(names)}> Catalogues{{{{")
    for language, name, _ in names:
        lines.append(f"    {{{cpp_literal(language)}, {name}}},")
    lines += [
        "}};",
        "",
        "} // namespace",
        "",
        "std::span<const TCatalogue> BuiltInCatalogues()",
        "{",
        "    return Catalogues;",
        "}",
        "",
        "} // namespace vornia",
        "",
    ]
    write_text(out, "\n".join(lines))


def write_json(out_dir, contexts, catalogues):
    for language, texts in catalogues:
        document = {"language": language, "texts": {context: dict(texts[context]) for context in contexts}}
        text = json.dumps(document, ensure_ascii=False, separators=(",", ":")) + "\n"
        write_text(os.path.join(out_dir, language + ".json"), text)


def write_languages(out, files):
    names = []
    for path in sorted(files, key=language_of):
        texts = read_catalogue(path, [LanguageContext])[LanguageContext]
        name = dict(texts).get("English")
        if not name:
            fail(f'{path}: the name of its language (the translation of "English" in the context '
                 f"{LanguageContext}) is missing or unfinished")
        names.append((language_of(path), name))
    lines = [
        "// Made by scripts/catalogue_tables.py from translations/*.ts; do not edit.",
        "// The languages of the catalogues besides English, each with its name in",
        "// itself, in the order of their codes.",
        "#pragma once",
        "",
        "#include <array>",
        "#include <string_view>",
        "",
        "namespace vornia {",
        "",
        "struct TCatalogueLanguage {",
        "    std::string_view Code; // \"de\", as the catalogue's file name says",
        "    std::string_view Name; // \"Deutsch\"",
        "};",
        "",
        f"inline constexpr std::array<TCatalogueLanguage, {len(names)}> CatalogueLanguages{{{{",
    ]
    lines += [f"    {{{cpp_literal(code)}, {cpp_literal(name)}}}," for code, name in names]
    lines += ["}};", "", "} // namespace vornia", ""]
    text = "\n".join(lines)
    try:
        with open(out, encoding="utf-8") as old:
            if old.read() == text:
                return
    except OSError:
        pass
    write_text(out, text)


# The context of the message whose translation names the catalogue's language.
LanguageContext = "Language"


def main(argv):
    if len(argv) >= 2 and argv[0] == "languages":
        if len({language_of(path) for path in argv[2:]}) != len(argv[2:]):
            fail("two catalogues of one language")
        write_languages(argv[1], argv[2:])
        return
    if len(argv) < 5 or argv[0] not in ("cpp", "json") or argv[2] != "--contexts":
        fail("usage: catalogue_tables.py cpp|json OUT --contexts A,B TS... | languages OUT.h TS...")
    mode, out, contexts, files = argv[0], argv[1], [c for c in argv[3].split(",") if c], argv[4:]
    catalogues = sorted((language_of(path), read_catalogue(path, contexts)) for path in files)
    if len({language for language, _ in catalogues}) != len(catalogues):
        fail("two catalogues of one language")
    if mode == "cpp":
        write_cpp(out, contexts, catalogues)
    else:
        write_json(out, contexts, catalogues)


if __name__ == "__main__":
    main(sys.argv[1:])
