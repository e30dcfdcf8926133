#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into tests/fuzz/corpus/ (the
mail readers' own are written by make_mail_corpus.py).

The seeds are small inputs made here by hand: each target's corpus starts
from the cases its format cares about, so the fuzzer reaches them at once.
Run it again after changing a seed; the files are checked in.
"""
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
BOM = b"\xef\xbb\xbf"
MARKER = b"#Vorenta keywords format 2"


def cp932(text):
    return text.encode("cp932")


# Indexes into the alphabet of fuzz_input.cpp.
QUOTE, COMMA, SPACE, CR, LF, CRLF, NUL, A, B = range(9)
SE, GEN, HYO, YEN, WAVE, FULLWAVE, E_ACUTE, EMOJI, HIGH, LOW, BOM_CHAR = range(11, 22)
MARKER_PIECE, DOUBLE_QUOTE, HTTP, SCHEME, HOST = 24, 25, 26, 27, 28
HW_KA, HW_HA, HW_U, HW_VOICED, HW_SEMI, HW_LONG, KA, GA, HIRA_KA, HIRA_ITER, FW_A, HYPHEN, FW_MINUS = range(
    32, 45
)


def keywords(*lists):
    """A keyword list in the fuzz input's form: a length byte, then pieces."""
    return b"".join(bytes([len(k)]) + bytes(k) for k in lists)


def clipboard_html(before, fragment, after, length=len):
    """The clipboard's HTML Format around a fragment, offsets measured by length."""
    template = "Version:0.9\r\nStartHTML:{:010}\r\nEndHTML:{:010}\r\nStartFragment:{:010}\r\nEndFragment:{:010}\r\n"
    header_length = len(template.format(0, 0, 0, 0))
    start_fragment = header_length + length(before)
    end_fragment = start_fragment + length(fragment)
    end_html = end_fragment + length(after)
    header = template.format(header_length, end_html, start_fragment, end_fragment).encode()
    return header + before + fragment + after


SEEDS = {
    "keyword_file_reader_fuzz": {
        "plain-cp932": cp932("セール\r\n送料無料\r\n限定 品\r\n"),
        "fields": b'"a,b"\r\n  c ,d  \r\n\r\n"unclosed,\r\nx\r\n',
        "nul-and-invalid": b"a\x00b\r\n\x85\x40\r\n\x81 \xa0z\x82",
        "utf8": BOM + "😀\r\n한\r\n\"a,b\"\r\n".encode(),
        "marked": BOM + MARKER + b'\r\n"say ""hi"""\r\n""\r\n" lead"\r\nplain\r\n',
        "marked-unclosed": BOM + MARKER + b'\n"a""b\r\n"c"x,d\r\n',
    },
    "keyword_import_fuzz": {
        "utf8-lines": "セール\r\na,b\n \"q\" \r\r\n".encode(),
        "cp932-lines": cp932("セール\r\n送料無料\r\n"),
        "utf16le": b"\xff\xfe" + "セール\r\nab".encode("utf-16-le"),
        "marked": BOM + MARKER + b'\r\n"two\r\nlines"\r\n""\r\n',
        "binary": b"MZ\x90\x00\x03\x00\x00\x00\x04\x00",
    },
    "keyword_file_round_trip_fuzz": {
        "quote-then-sale": keywords([QUOTE, GEN], [SE], [SPACE, SE, SPACE]),
        "cr-quote-comma": keywords([A, CR, QUOTE, B], [A, COMMA, B]),
        "quote-inside": keywords([A, QUOTE, COMMA, SPACE, B, QUOTE]),
        "empty-first-last": keywords([], [A], []),
        "marker-first": keywords([MARKER_PIECE], [EMOJI]),
        "surrogates-nul": keywords([HIGH], [LOW, NUL], [BOM_CHAR, LF], [YEN]),
    },
    "geometry_fuzz": {
        "file": b" 8685 \r\n 6000 \r\n 1200 \r\n-90 \r\n",
        "fractional": b" 8685.714 \r\n 6000.5 \r\n-480000 \r\n 0 \r\n",
        "exponents": b" 1E+07 \r\n 1E-05 \r\n-2.5E+07 \r\n 3.402823E+38 \r\n",
        "not-finite": b" NaN \r\n Inf \r\n-Inf \r\n 0 \r\n",
        "float-bits": struct.pack("<f", 8685.714) + b"\r\n 1 \n 2\r 3",
        "short": b" 8685 \r\n 6000 \r\n",
    },
    "core_text_fuzz": {
        # position, piece count, pieces, sender row, text after sender, keywords
        "address": struct.pack(">i", 3)
        + bytes([8, A, SPACE, HTTP, SCHEME, HOST, SPACE, B, CR, 0, 0])
        + keywords([HTTP], [B]),
        "lines": struct.pack(">i", -1)
        + bytes([9, A, CR, LF, B, LF, CR, SE, CR, CRLF, 1, 1])
        + keywords([SE], [], [A, B]),
        "sender": struct.pack(">i", 0) + bytes([6, A, B, A, B, A, B, 2, 0]),
        "extreme-position": struct.pack(">i", 2**31 - 1) + bytes([3, HTTP, SPACE, A, 0, 0]),
        "lowest-position": struct.pack(">i", -(2**31)) + bytes([2, SPACE, A, 0, 0]),
    },
    "keyword_matcher_fuzz": {
        # piece count, pieces, keywords
        "half-width": bytes([6, HW_KA, HW_VOICED, HW_HA, HW_SEMI, HW_U, HW_VOICED])
        + keywords([GA], [HW_HA], [HW_VOICED]),
        "kana-kinds": bytes([7, HIRA_KA, KA, HW_KA, HW_LONG, HIRA_ITER, FW_A, A])
        + keywords([KA, KA], [A], [HIRA_ITER]),
        "lines-and-dashes": bytes([7, WAVE, CR, FULLWAVE, LF, HYPHEN, CRLF, FW_MINUS])
        + keywords([FULLWAVE], [HYPHEN], []),
    },
    "sender_file_fuzz": {
        "rows": "# 差出人\r\nnews@a.example.jp>\thttps://a.example.jp/new/\r\n\r\nbad>\tjavascript:x\n".encode(),
        "cp932": cp932("店@例.jp>\thttp://e.jp/新\r\nx>\thttp://e.jp/a b\r\n"),
        "bom-no-final-break": BOM + b"k>\thttp://e.jp/%41\rk2>\thttp://e.jp/%zz",
    },
    "ansi_codec_fuzz": {
        "cp932": cp932("セール,送料無料 ｱ①～表"),
        "invalid": b"\xa0\xa0\xa0a\x81 b\x85\x40\xeb\x40\x81\x7f\x82",
        "nul": b"a\x00b\x00",
        "utf16-units": "😀¥〜\ud800".encode("utf-16-le", "surrogatepass"),
    },
    "mail_html_text_fuzz": {
        # first byte even: UTF-8 follows; odd: UTF-16LE units
        "newsletter": b"\x00"
        + (
            '<!DOCTYPE html><html><head><title>t</title><style>p{color:red}</style></head>'
            '<body><div style="display:none">preheader</div><table><tr><td>'
            '<a href="https://shop.example.jp/a?x=1&amp;y=2"><img alt="セール"></a></td>'
            '<td><p>価格&nbsp;&yen;1,980</p><p>詳しくは<a href=" HTTP://e.jp/b ">こちら</a>'
            "</p></td></tr></table><!--[if mso]>x<![endif]--></body></html>"
        ).encode(),
        "pre-and-references": b"\x00"
        + "<pre>\r\n a  b\r\n\tc</pre>&#12354;&#x3042;&#0;&#150;&copy=2&amp &foo; &#xD800;".encode(),
        "malformed": b"\x00"
        + b'a < b </> <p hidden>h<p>v<a\nHREF=http://a.jp/ href=x>l<div>d</a>e</div><li><td x="y',
        "utf16-units": b"\x01"
        + '<br><ul><li>一<li>二</ul><a href="http://e.jp">http://e.jp</a>\ud800'.encode(
            "utf-16-le", "surrogatepass"
        ),
    },
    "mail_clipboard_html_fuzz": {
        "crlf-header": clipboard_html(
            b"<html><body>\r\n<!--StartFragment-->", b"<b>sale</b>", b"<!--EndFragment-->\r\n</body></html>"
        ),
        "lf-source-url": (
            b"Version:1.0\nStartHTML:-1\nEndHTML:-1\nStartFragment:000000000\nEndFragment:0000000000\n"
            b"SourceURL:https://mail.example.jp/\n<!--startfragment --><p>x</p><!-- EndFragment-->\x00"
        ),
        # offsets counted in characters, as some programs write them
        "character-offsets": clipboard_html(
            "<html><body><!--StartFragment-->".encode(),
            "セール開催".encode(),
            "<!--EndFragment--></body></html>".encode(),
            length=lambda b: len(b.decode()),
        ),
        "not-a-header": b"<html><body>plain</body></html>",
    },
    "mail_open_elements_fuzz": {
        # pairs: operation (0 mod 3 removes at arg, else pushes: even a tag, odd a name), arg
        "table-in-link": bytes([1, 0, 2, 2, 4, 3, 1, 1, 0, 1, 2, 4, 3, 0]),
        "names-and-middle-removals": bytes([5, 0, 5, 1, 2, 5, 7, 2, 3, 1, 3, 0, 8, 1, 6, 2]),
    },
    "utf8_fuzz": {
        "text": "セール 😀 한 ¥".encode(),
        "surrogates": b"\xed\xa0\x80x\xed\xb0\x80\xed\xa0\xbd\xed\xb8\x80",
        "invalid": b"\xff\xc0\x80\xe3\x82\xf4\x90\x80\x80\x80",
        "replacement": b"\xef\xbf\xbd",
    },
}


def write_seeds(seeds):
    """Replaces the corpus of each target named, and only those: the mail
    readers' seeds come from make_mail_corpus.py."""
    for target, files in seeds.items():
        folder = os.path.join(HERE, "corpus", target)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for name, data in files.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    write_seeds(SEEDS)
