"""Writes a zip archive whose bytes depend only on the files' names and
contents: entries sorted by name, every entry stamped with one fixed time,
no owner, permission or extra fields.

    make_zip.py OUT.zip FOLDER EPOCH

Entries are named FOLDER's last component followed by the path inside it.
"""

import os
import sys
import time
import zipfile


def main(out_path, folder, epoch):
    # DOS dates start in 1980.
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]
    top = os.path.basename(os.path.normpath(folder))
    names = []
    for root, _dirs, files in os.walk(folder):
        for name in files:
            full = os.path.join(root, name)
            names.append(os.path.relpath(full, folder).replace(os.sep, "/"))
    with zipfile.ZipFile(out_path, "w") as archive:
        for name in sorted(names):
            info = zipfile.ZipInfo(f"{top}/{name}", date_time=stamp)
            info.create_system = 0  # MS-DOS: no Unix owner or mode bits
            info.external_attr = 0
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, name), "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)


if __name__ == "__main__":
    main(*sys.argv[1:4])
