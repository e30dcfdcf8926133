"""Turns the Markdown user guide into one HTML file that opens in any
browser on Windows: UTF-8, its pictures embedded, no other file needed, and
a short table of its sections under the title.

    guide_html.py GUIDE.md OUT.html
"""

import base64
import os
import re
import sys

import markdown
from markdown.extensions.toc import TocExtension, slugify_unicode

PAGE = """<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<style>
body {{ font-family: "Yu Gothic UI", "Meiryo UI", "Meiryo", sans-serif; line-height: 1.7;
       max-width: 52em; margin: 2em auto; padding: 0 1em; color: #222; }}
h1, h2, h3 {{ line-height: 1.3; }}
h2 {{ border-bottom: 1px solid #ccc; padding-bottom: .2em; margin-top: 2em; }}
img {{ max-width: 100%; border: 1px solid #ccc; }}
code, kbd {{ font-family: Consolas, "MS Gothic", monospace; background: #f3f3f3;
            padding: 0 .3em; border-radius: 3px; }}
table {{ border-collapse: collapse; }}
nav.toc {{ background: #f6f6f6; padding: .6em 1.2em; border-radius: 4px; }}
nav.toc p {{ font-weight: bold; margin: 0; }}
nav.toc ul {{ margin: .3em 0; padding-left: 1.2em; }}
th, td {{ border: 1px solid #ccc; padding: .3em .6em; text-align: left; vertical-align: top; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""


def embed_images(html, folder):
    def data_uri(match):
        path = os.path.join(folder, match.group(2))
        with open(path, "rb") as picture:
            encoded = base64.b64encode(picture.read()).decode("ascii")
        return f'{match.group(1)}"data:image/png;base64,{encoded}"'

    return re.sub(r'(<img [^>]*src=)"([^":]+\.png)"', data_uri, html)


def main(guide_path, out_path):
    with open(guide_path, encoding="utf-8") as guide:
        text = guide.read()
    title = text.splitlines()[0].lstrip("# ").strip()
    # Headings get ids from their own (Japanese) words, so that the links
    # of the table read as what they point at.
    converter = markdown.Markdown(
        extensions=["tables", "sane_lists",
                    TocExtension(toc_depth="2-2", slugify=slugify_unicode)])
    body = converter.convert(text)
    contents = '<nav class="toc">\n<p>目次</p>\n' + converter.toc + "</nav>\n"
    body = body.replace("</h1>", "</h1>\n" + contents, 1)
    body = embed_images(body, os.path.dirname(guide_path))
    with open(out_path, "w", encoding="utf-8", newline="\r\n") as out:
        out.write(PAGE.format(title=title, body=body))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
