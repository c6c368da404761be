#!/usr/bin/env python3
"""Generates src/core/model/font_tables_generated.cpp: the code -> character
lists of the keyboard's fonts 1-7.

    python3 tools/gen_font_tables.py [OUTPUT]

Only python's own codecs and the committed character counts are used, so the
output is the same on every machine.

One-byte fonts follow their Windows code page over 0x20-0xFF; 0x7F, the codes
below 0x20 and codes the code page leaves undefined have no character. Font 1
also leaves out 0xBC, 0xBD and 0xBE (the keyboard has no glyphs for the
vulgar fractions).

Font 5 (two-byte codes 0x000-0x470):
  0x000-0x0FF  as Windows-1250 (same rules as the one-byte fonts);
  0x100-0x22B  the first 300 of the 305 Hangul syllables (0x100 is U+AC00);
  0x22C-0x22D  U+201C and U+201D (the curved double quotation marks);
  0x22E-0x232  the remaining 5 Hangul syllables;
  0x233-0x46F  573 CJK ideographs;
  0x470        U+9898 (the keyboard's character for "title").
Within each group the characters are in Unicode order.

Which characters: a keyboard must show the words of its trade, then the
characters its users write most.
  Hangul: the syllables of KOREAN_WORDS below (CCTV words such as camera,
  monitor, alarm, and the menu names of the shipped template), then the
  syllables most used in Korean text, to 305.
  Ideographs: the characters of CHINESE_WORDS below, then the ideographs most
  used across simplified and traditional Chinese text (each character scored
  by its share of the simplified count plus its share of the traditional
  count), to 573.
"Most used" comes from tools/font5_character_counts.tsv: how often each
character occurs in the Korean, simplified Chinese and traditional Chinese
translations that Debian packages ship (tools/count_font5_characters.py made
it; it is committed so that this output never depends on the machine). Ties
go to the lower code point.

The Characters Display lists of the two-byte languages (generated here too,
their sizes fixed by the display): printable ASCII, the two quotation marks,
then from font 5 in code order
  Korean (519): the 305 Hangul syllables and the 117 ideographs that are
    Korean hanja (KS X 1001) used most across Chinese text;
  traditional Chinese (623): the 526 ideographs most used in traditional text;
  simplified Chinese (627): the 530 ideographs most used in simplified text.
"""

import os
import sys

NO_CHARACTER = 0xFFFF
ONE_BYTE_FONTS = {1: "cp1252", 2: "cp1251", 3: "cp1250", 4: "cp1253", 6: "cp1254", 7: "cp1256"}
FONT1_WITHOUT = (0xBC, 0xBD, 0xBE)
FONT5_CODES = 0x471
HANGUL_COUNT = 305
HANGUL_BEFORE_QUOTES = 300
IDEOGRAPH_COUNT = 574
LAST_IDEOGRAPH = 0x9898
QUOTES = (0x201C, 0x201D)
FIRST_HANGUL = 0xAC00
COUNTS_FILE = "font5_character_counts.tsv"
CHINESE = ("zh_CN", "zh_TW")
KOREAN = 1042
KOREAN_HANJA_COUNT = 117
# (Windows language identifier, counts, ideographs listed)
CHINESE_LISTS = ((1028, "zh_TW", 526), (2052, "zh_CN", 530))
DISPLAY_SIZES = {1042: 519, 1028: 623, 2052: 627}

# Words a CCTV keyboard shows: always in font 5.
KOREAN_WORDS = """
카메라 모니터 알람 녹화 야간 주간 한국어 주차장 출입문 프리셋 순찰 설정
메뉴 주메뉴 스크립트 선택 그룹 뒤로 켜기 끄기 투어 경보 처리 위치 로비 외곽
정지 전체 확인 해제 재생 검색 시간 자동 초점 조리개 잠금 열기 문 조명 입구
출구 정문 서문 북문 금고 매장 지붕 울타리 계단 승강기 사무실 경비 구역 기록
영상 손실 빠른 느린 순차 운영자 도구 기술자 유지보수 호출 홈 시작 종료 저장
녹화기 영상벽 책상 무음 사이렌 내보내기 와이퍼 세척 적외선 히터 재부팅 동기화
제어 가져오기 놓기 키보드 로그인 로그아웃 패턴 비디오 스팟 도크 빠른호출 공장
모드 리셋 보기 경계 시험 투광등 클립 최근 분 메인
""".split()
CHINESE_WORDS = """
摄像机 攝影機 监视器 監視器 报警 警報 录像 錄影 夜间 夜間 日间 日間 停车场
停車場 出入口 预置位 預置位 巡逻 巡邏 设置 設定 主菜单 主選單 中文 中央
""".split()


def decode_one(codec, data):
    try:
        text = data.decode(codec)
    except UnicodeDecodeError:
        return None
    return ord(text) if len(text) == 1 else None


def code_page_table(codec):
    table = [NO_CHARACTER] * 256
    for code in range(0x20, 0x100):
        if code == 0x7F:
            continue
        ch = decode_one(codec, bytes([code]))
        if ch is not None:
            table[code] = ch
    return table


def double_byte_set(codec, rows, cells, accept):
    found = set()
    for row in rows:
        for cell in cells:
            ch = decode_one(codec, bytes([row, cell]))
            if ch is not None and accept(ch):
                found.add(ch)
    return found


def is_ideograph(ch):
    return 0x4E00 <= ch <= 0x9FFF


def load_counts():
    counts = {}
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), COUNTS_FILE)
    with open(path, encoding="ascii") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            language, point, number = line.split("\t")
            counts.setdefault(language, {})[int(point[2:], 16)] = int(number)
    return counts


def ranked(candidates, score):
    """candidates, most used first; ties in code order."""
    return sorted(candidates, key=lambda ch: (-score(ch), ch))


def share_score(counts, languages):
    totals = {language: sum(counts[language].values()) for language in languages}
    return lambda ch: sum(counts[language].get(ch, 0) / totals[language] for language in languages)


def chosen(words, accept, score, count):
    must = sorted({ord(ch) for word in words for ch in word if accept(ord(ch))})
    assert len(must) <= count
    pool = [ch for ch in range(0x10000) if accept(ch) and ch not in must and score(ch) > 0]
    return sorted(must + ranked(pool, score)[: count - len(must)])


def is_hangul(ch):
    return 0xAC00 <= ch <= 0xD7A3


def hangul_syllables(counts):
    ko = counts["ko"]
    syllables = chosen(KOREAN_WORDS + [chr(FIRST_HANGUL)], is_hangul, lambda ch: ko.get(ch, 0), HANGUL_COUNT)
    assert syllables[0] == FIRST_HANGUL and len(syllables) == HANGUL_COUNT
    return syllables


def ideographs(counts):
    score = share_score(counts, CHINESE)
    accept = lambda ch: is_ideograph(ch) and ch != LAST_IDEOGRAPH
    chosen_ideographs = chosen(CHINESE_WORDS, accept, score, IDEOGRAPH_COUNT - 1) + [LAST_IDEOGRAPH]
    assert len(chosen_ideographs) == IDEOGRAPH_COUNT
    return chosen_ideographs


def is_korean_hanja(ch):
    try:
        chr(ch).encode("euc_kr")
        return True
    except UnicodeEncodeError:
        return False


def display_lists(font5, counts):
    """The Characters Display lists of the two-byte languages, by Windows language identifier."""
    lead = list(range(0x20, 0x7F)) + list(QUOTES)
    in_font = font5[256:]
    ideograph_codes = [ch for ch in in_font if is_ideograph(ch)]
    combined = share_score(counts, CHINESE)

    def by_code(chars):
        wanted = set(chars)
        return [ch for ch in in_font if ch in wanted]

    def most_used(chars, score, count):
        assert len(chars) >= count
        return sorted(chars, key=lambda ch: (-score(ch), -combined(ch), ch))[:count]

    hanja = [ch for ch in ideograph_codes if is_korean_hanja(ch)]
    lists = {
        KOREAN: lead + by_code([ch for ch in in_font if is_hangul(ch)] + most_used(hanja, combined, KOREAN_HANJA_COUNT)),
    }
    for language_id, language, count in CHINESE_LISTS:
        lists[language_id] = lead + by_code(
            most_used(ideograph_codes, lambda ch, l=language: counts[l].get(ch, 0), count))
    for language_id, size in DISPLAY_SIZES.items():
        assert len(lists[language_id]) == size, (language_id, len(lists[language_id]))
    return lists


def font5_table(counts):
    table = code_page_table("cp1250") + [NO_CHARACTER] * (FONT5_CODES - 256)
    hangul = hangul_syllables(counts)
    high = hangul[:HANGUL_BEFORE_QUOTES] + list(QUOTES) + hangul[HANGUL_BEFORE_QUOTES:] + ideographs(counts)
    assert len(high) == FONT5_CODES - 256
    table[256:] = high
    assert table[0x100] == FIRST_HANGUL and table[0x22C:0x22E] == list(QUOTES) and table[0x470] == LAST_IDEOGRAPH
    return table


def all_tables(counts):
    tables = {}
    for font, codec in ONE_BYTE_FONTS.items():
        tables[font] = code_page_table(codec)
    for code in FONT1_WITHOUT:
        tables[1][code] = NO_CHARACTER
    tables[5] = font5_table(counts)
    return tables


def render(tables, lists):
    out = [
        "// Generated by tools/gen_font_tables.py; do not edit. The rules that",
        "// chose each table are stated in that script.",
        "",
        '#include "model/font_tables_generated.h"',
        "",
        "namespace tarvo::model {",
        "namespace {",
        "",
        "// clang-format off",
    ]
    for font in sorted(tables):
        table = tables[font]
        out.append(f"// Font {font}: {len(table)} codes, 0xFFFF = no character.")
        out.append(f"const char16_t kFont{font}Codes[{len(table)}] = {{")
        for start in range(0, len(table), 8):
            values = ", ".join(f"0x{ch:04X}" for ch in table[start : start + 8])
            out.append(f"    {values},  // 0x{start:03X}")
        out.append("};")
        out.append("")
    for language_id in sorted(lists):
        chars = lists[language_id]
        out.append(f"// Characters Display list of Windows language {language_id}: {len(chars)} characters.")
        out.append(f"const char16_t kDisplay{language_id}[{len(chars)}] = {{")
        for start in range(0, len(chars), 8):
            out.append("    " + ", ".join(f"0x{ch:04X}" for ch in chars[start : start + 8]) + ",")
        out.append("};")
        out.append("")
    out.append("// clang-format on")
    out.append("")
    out.append("} // namespace")
    out.append("")
    out.append("std::span<const char16_t> generatedFontCodes(int font)")
    out.append("{")
    out.append("    switch (font) {")
    for font in sorted(tables):
        out.append(f"    case {font}:")
        out.append(f"        return kFont{font}Codes;")
    out.append("    default:")
    out.append("        return {};")
    out.append("    }")
    out.append("}")
    out.append("")
    out.append("std::span<const char16_t> generatedTwoByteLanguageList(int windowsLanguageId)")
    out.append("{")
    out.append("    switch (windowsLanguageId) {")
    for language_id in sorted(lists):
        out.append(f"    case {language_id}:")
        out.append(f"        return kDisplay{language_id};")
    out.append("    default:")
    out.append("        return {};")
    out.append("    }")
    out.append("}")
    out.append("")
    out.append("} // namespace tarvo::model")
    return "\n".join(out) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "src", "core", "model", "font_tables_generated.cpp")
    target = sys.argv[1] if len(sys.argv) > 1 else default
    with open(target, "w", encoding="ascii", newline="\n") as f:
        counts = load_counts()
        tables = all_tables(counts)
        f.write(render(tables, display_lists(tables[5], counts)))


if __name__ == "__main__":
    main()
