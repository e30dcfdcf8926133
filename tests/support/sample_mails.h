#pragma once
// A shop newsletter as a mail file: ISO-2022-JP, its subject and its
// sender's name as encoded words, and an HTML alternative whose link hides
// behind 「詳しくはこちら」.

#include <string>

namespace vorenta {

inline const std::string kIso2022JpNewsletterEml =
    "Content-Type: multipart/alternative; boundary=\x22=_aoba_12\x22\x0d\x0a"
    "MIME-Version: 1.0\x0d\x0a"
    "From: =\x3fiso-2022-jp\x3f"
    "b\x3fGyRCQERNVSU3JWclQyVXGyhC\x3f= <news@kaede-shop.example.jp>\x0d\x0a"
    "Subject: =\x3fiso-2022-jp\x3f"
    "b\x3fGyRCRV8kTiU7ITwlayROJCpDTiRpJDsbKEI=\x3f=\x0d\x0a"
    "Date: Mon, 07 Dec 2026 09:30:00 +0900\x0d\x0a"
    "\x0d\x0a"
    "--=_aoba_12\x0d\x0a"
    "Content-Type: text/plain; charset=\x22iso-2022-jp\x22\x0d\x0a"
    "MIME-Version: 1.0\x0d\x0a"
    "Content-Transfer-Encoding: 7bit\x0d\x0a"
    "\x0d\x0a"
    "\x1b$BE_$N%;!<%k3+:ECf!*\x1b(B\x0d\x0a"
    "\x1b$B>\x5c$7$/$O2<5-$r$4Mw$/$@$5$$!#\x1b(B\x0d\x0a"
    "\x0d\x0a"
    "--=_aoba_12\x0d\x0a"
    "Content-Type: text/html; charset=\x22iso-2022-jp\x22\x0d\x0a"
    "MIME-Version: 1.0\x0d\x0a"
    "Content-Transfer-Encoding: 7bit\x0d\x0a"
    "\x0d\x0a"
    "<p>\x1b$BE_$N%;!<%k3+:ECf!*\x1b(B</p><p><a "
    "href=\x22https://kaede-shop.example.jp/sale\x22>\x1b$B>\x5c$7$/$O$3$A$i\x1b(B</a></p>\x0d\x0a"
    "--=_aoba_12--\x0d\x0a";

}  // namespace vorenta
