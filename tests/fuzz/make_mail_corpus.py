#!/usr/bin/env python3
"""Writes the seed corpus of the mail readers' fuzz targets into
tests/fuzz/corpus/mail_*_fuzz/.

Small mails and pieces of mails in the shapes and charsets Japanese senders
use, made here by hand. Run it again after changing a seed; the files are
checked in.
"""
import base64

from make_corpus import write_seeds


def crlf(text):
    return text.replace("\n", "\r\n").encode("ascii")


NEWSLETTER = crlf(
    "From: =?ISO-2022-JP?B?GyRCQERNVSU3JWclQyVXGyhC?= <news@shop.example.jp>\n"
    "Subject: =?utf-8?b?5Yas44Gu44K744O844Or?=\n"
    "Date: Mon, 07 Dec 2026 09:30:00 +0900\n"
    "Content-Type: multipart/mixed; boundary=m\n\n"
    "--m\nContent-Type: multipart/alternative; boundary=\"a\"\n\n"
    "--a\nContent-Type: text/plain; charset=iso-2022-jp\n\n"
) + "セール\n".encode("iso2022_jp") + crlf(
    "--a\nContent-Type: multipart/related; boundary=r; start=\"<h>\"\n\n"
    "--r\nContent-Type: text/html\nContent-ID: <h>\nContent-Transfer-Encoding: base64\n\n"
    + base64.b64encode("<meta charset=shift_jis><p>セール</p>".encode("cp932")).decode()
    + "\n--r\nContent-Type: image/png\n\nPNG\n--r--\n--a--\n"
    "--m\nContent-Type: message/rfc822\nContent-Disposition: attachment\n\n"
    "From: \"Shop, Inc.\" <a@b.jp>\nSubject: x\n\n"
    "inner\n--m--\n"
)

SEEDS = {
    "mail_mime_fuzz": {
        "newsletter": NEWSLETTER,
        "shift-jis-plain": b"From: a@b.jp\r\nContent-Type: text/plain; charset=Shift_JIS\r\n"
        b"Content-Transfer-Encoding: quoted-printable\r\n\r\n=83=5A=\r\n=87=40\r\n",
        "euc-jp-lf": b"Subject: \xa5\xbb\nContent-Type: text/plain; charset=euc-jp\n\n\xa5\xbb\xad\xa1\n",
        "no-header": b"hello\r\nhttps://a.example.jp/\r\n",
        "digest-unclosed": b"Content-Type: multipart/digest; boundary=d\n\n--d\n\nSubject: s\n\nx\n--d\n",
    },
    "mail_encoded_words_fuzz": {
        "split-iso": b"=?iso-2022-jp?B?GyRCJTs=?=\r\n =?ISO-2022-JP?B?ITwlaxsoQg==?=",
        "mixed": b"Re: =?utf-8?q?=E3=82=BB_a?= =?shift_jis*ja?B?gVs=?= x =?bad?Q?x?=",
        "mailboxes": b"\"Shop, <JP>\" <a@b.jp>, c@d.jp (\x83\x5a), g: <@r:e@f.jp>;",
        "raw-iso": b"\x1b$B%;!<%k\x1b(B <a@b.jp>",
    },
    "mail_jis_fuzz": {
        "iso": b"\x1b$B%;!<%k-!y u|b\x1b(Ba\x1b(I16\x1b(J~\x0e1\x0f\x1b$(Q%;\x1b$(D\"/\x1b.A\x1bNi",
        "euc": b"\xa5\xbb\xad\xa1\xf9\xf5\x8e\xb1\x8f\xb0\xa1x\xff",
        "broken": b"\x1b$B%\x1b\x1b(\x1b$)C\x0e!\x1b$B)!\r\n\x80",
    },
    "mail_transfer_encodings_fuzz": {
        "base64": b"44K7\r\n44O8 QQ==QkM=!",
        "quoted-printable": b"a=3D=e3=82=BB=\r\nb= \t\nc=zz=4_d=",
        "binary": bytes(range(256)),
    },
}


if __name__ == "__main__":
    write_seeds(SEEDS)
