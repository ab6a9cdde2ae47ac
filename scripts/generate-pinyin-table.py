#!/usr/bin/env python3
"""Writes the Mandarin reading table that Zandrel carries for reading Chinese
names aloud, from the Unicode Character Database as Debian's unicode-data
package installs it, and the program's surname readings.

Usage: generate-pinyin-table.py UNIHAN_READINGS UNIHAN_VARIANTS UNICODE_DATA
                                BLOCKS SURNAMES OUTPUT.cpp

UNIHAN_READINGS and UNIHAN_VARIANTS are Unihan_Readings.txt and
Unihan_Variants.txt, plain or compressed with bzip2. Each ideograph gets the
first of its kMandarin readings (the customary one), with the tone mark
turned into a tone number ("zhang1", "lv3", neutral "de5"). A compatibility
ideograph reads like the unified ideograph it stands for. The readings are
kept in runs of neighbouring code points, one 16-bit syllable number each,
with every distinct syllable written once.

An ideograph without a reading is read as the first of its variants that has
one, in the order of VARIANT_FIELDS (U+20BB7 is linked to U+5409 only as a
spoofing variant). SURNAMES is speech/surnames.tsv; every surname gets the
characters that read it in Mandarin, the first unified ideograph of each of
its syllables, and the build stops on a Mandarin reading that Unihan does not
list for the character.
"""

import bz2
import sys
import unicodedata

VARIANT_FIELDS = ["kZVariant", "kSemanticVariant", "kSpecializedSemanticVariant", "kTraditionalVariant",
                  "kSimplifiedVariant", "kCompatibilityVariant", "kSpoofingVariant"]
# Where Unihan gives a character's readings besides its customary one.
READING_FIELDS = ["kMandarin", "kHanyuPinyin", "kXHC1983", "kTGHZ2013", "kHanyuPinlu"]
FIRST_UNIFIED, LAST_UNIFIED = 0x4E00, 0x9FFF
TONE_MARKS = {"\u0304": 1, "\u0301": 2, "\u030c": 3, "\u0300": 4}
# A run is broken where this many code points in a row have no reading; a
# run's header costs about as much as that many empty entries.
LONGEST_GAP = 4


def numbered_pinyin(marked):
    """'zhāng' -> 'zhang1', 'lǚ' -> 'lv3', 'de' -> 'de5'."""
    tone = 5
    letters = []
    for char in unicodedata.normalize("NFD", marked):
        if char in TONE_MARKS:
            tone = TONE_MARKS[char]
        elif char == "\u0308":  # the diaeresis of ü
            letters[-1] = "v"
        else:
            letters.append(char)
    syllable = unicodedata.normalize("NFC", "".join(letters))
    if not syllable.isascii():
        raise ValueError("unexpected reading " + marked)
    return syllable + str(tone)


def open_text(path):
    if path.endswith(".bz2"):
        return bz2.open(path, "rt", encoding="utf-8")
    return open(path, encoding="utf-8")


def read_fields(path, fields):
    """{code point: {field: value}} for the fields asked for."""
    found = {}
    with open_text(path) as lines:
        for line in lines:
            if line.startswith("#") or "\t" not in line:
                continue
            code, field, value = line.rstrip("\n").split("\t")
            if field in fields:
                found.setdefault(int(code[2:], 16), {})[field] = value
    return found


def read_mandarin(unihan):
    return {code: numbered_pinyin(fields["kMandarin"].split()[0])
            for code, fields in unihan.items() if "kMandarin" in fields}


def all_readings(fields):
    """Every reading of a character in pinyin with tone numbers."""
    readings = set()
    for field in READING_FIELDS:
        for entry in fields.get(field, "").split():
            # "21521.030:zēng,céng", "0110.090:céng", "zēng", "dān(106)".
            for marked in entry.split(":")[-1].split(","):
                marked = marked.split("(")[0]
                if marked:
                    readings.add(numbered_pinyin(marked))
    return readings


def code_points(value):
    """'U+5409 U+5409<kMeyerWempe' -> [0x5409, 0x5409]."""
    return [int(item.split("<")[0][2:], 16) for item in value.split()]


def read_variants(readings, variants):
    """{ideograph without a reading: its first variant with one}."""
    readable = {}
    for code, fields in variants.items():
        if code in readings:
            continue
        for field in VARIANT_FIELDS:
            with_reading = [c for c in code_points(fields.get(field, "")) if c in readings]
            if with_reading:
                readable[code] = with_reading[0]
                break
    return readable


def read_surnames(path, readings, unihan, variants):
    """[(surname, Mandarin reading as characters, Cantonese reading as characters)]."""
    first_with = {}
    for code in range(LAST_UNIFIED, FIRST_UNIFIED - 1, -1):
        if code in readings:
            first_with[readings[code]] = code
    surnames = []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            if line.startswith("#") or not line.strip():
                continue
            surname, mandarin, _, cantonese = line.rstrip("\n").split("\t")
            syllables = mandarin.split()
            if len(syllables) != len(surname):
                raise ValueError("%s:%d: one syllable a character" % (path, number))
            for char, syllable in zip(surname, syllables):
                simplified = code_points(variants.get(ord(char), {}).get("kSimplifiedVariant", ""))
                listed = set()
                for code in [ord(char)] + simplified:
                    listed |= all_readings(unihan.get(code, {}))
                if syllable not in listed:
                    raise ValueError("%s:%d: Unihan lists no reading %s for %s" % (path, number, syllable, char))
                if syllable not in first_with:
                    raise ValueError("%s:%d: no character reads %s" % (path, number, syllable))
            surnames.append((surname, "".join(chr(first_with[s]) for s in syllables), cantonese))
    # The longest surname that a name begins with is its surname.
    return sorted(surnames, key=lambda entry: -len(entry[0]))


def add_compatibility_ideographs(readings, path):
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split(";")
            if "COMPATIBILITY IDEOGRAPH" not in fields[1]:
                continue
            decomposition = fields[5].split()
            code = int(fields[0], 16)
            if len(decomposition) == 1 and code not in readings:
                unified = int(decomposition[0], 16)
                if unified in readings:
                    readings[code] = readings[unified]


def read_ideograph_blocks(path):
    blocks = []
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            if ";" not in line or line.startswith("#"):
                continue
            span, name = line.split(";")
            name = name.strip()
            if name.startswith("CJK Unified Ideographs") or name.startswith("CJK Compatibility Ideographs"):
                first, last = span.split("..")
                blocks.append((int(first, 16), int(last, 16)))
    return sorted(blocks)


def build_runs(readings, syllable_numbers):
    runs = []
    entries = []
    start = None
    previous = None
    for code in sorted(readings):
        if start is None or code - previous > LONGEST_GAP:
            if start is not None:
                runs.append((start, previous - start + 1, run_offset))
            start = code
            run_offset = len(entries)
        else:
            entries.extend([0] * (code - previous - 1))
        entries.append(syllable_numbers[readings[code]])
        previous = code
    if start is not None:
        runs.append((start, previous - start + 1, run_offset))
    return runs, entries


def utf32_literal(text):
    return 'U"' + "".join("\\U%08X" % ord(c) for c in text) + '"'


def write_table(path, readings, blocks, variants, surnames):
    syllables = sorted(set(readings.values()))
    if len(syllables) >= 0xFFFF:
        raise ValueError("too many syllables for 16-bit numbers")
    # Number 0 marks a code point without a reading.
    syllable_numbers = {syllable: number + 1 for number, syllable in enumerate(syllables)}
    runs, entries = build_runs(readings, syllable_numbers)
    with open(path, "w", encoding="utf-8") as out:
        out.write("// Generated by scripts/generate-pinyin-table.py from the Unihan kMandarin readings,\n")
        out.write("// the Unihan variants and speech/surnames.tsv.\n")
        out.write('#include "speech/pinyintabledata.h"\n\n')
        out.write("namespace PinyinTableData {\n\n")
        out.write("const char *const kSyllables[] = {\n")
        for i in range(0, len(syllables), 12):
            out.write("    " + " ".join('"%s",' % s for s in syllables[i:i + 12]) + "\n")
        out.write("};\n")
        out.write("const std::size_t kSyllableCount = %d;\n\n" % len(syllables))
        out.write("const std::uint16_t kReadings[] = {\n")
        for i in range(0, len(entries), 20):
            out.write("    " + " ".join("%d," % e for e in entries[i:i + 20]) + "\n")
        out.write("};\n\n")
        out.write("const ReadingRun kRuns[] = {\n")
        for first, count, offset in runs:
            out.write("    {0x%X, %d, %d},\n" % (first, count, offset))
        out.write("};\n")
        out.write("const std::size_t kRunCount = %d;\n\n" % len(runs))
        out.write("const IdeographBlock kIdeographBlocks[] = {\n")
        for first, last in blocks:
            out.write("    {0x%X, 0x%X},\n" % (first, last))
        out.write("};\n")
        out.write("const std::size_t kIdeographBlockCount = %d;\n\n" % len(blocks))
        out.write("const CharacterVariant kVariants[] = {\n")
        for code in sorted(variants):
            out.write("    {0x%X, 0x%X},\n" % (code, variants[code]))
        out.write("};\n")
        out.write("const std::size_t kVariantCount = %d;\n\n" % len(variants))
        out.write("const SurnameReading kSurnames[] = {\n")
        for surname, mandarin, cantonese in surnames:
            out.write("    {%s, %s, %s},\n" % (utf32_literal(surname), utf32_literal(mandarin), utf32_literal(cantonese)))
        out.write("};\n")
        out.write("const std::size_t kSurnameCount = %d;\n\n" % len(surnames))
        out.write("}\n")


def main(argv):
    if len(argv) != 7:
        sys.exit(__doc__)
    unihan_readings, unihan_variants, unicode_data, blocks, surnames_path, output = argv[1:]
    unihan = read_fields(unihan_readings, READING_FIELDS)
    readings = read_mandarin(unihan)
    add_compatibility_ideographs(readings, unicode_data)
    variants = read_fields(unihan_variants, VARIANT_FIELDS)
    surnames = read_surnames(surnames_path, readings, unihan, variants)
    write_table(output, readings, read_ideograph_blocks(blocks), read_variants(readings, variants), surnames)


if __name__ == "__main__":
    main(sys.argv)
