"""Prints the FileVersion string of a Windows executable's version record.

    exe_version.py PROGRAM.exe
"""

import sys

KEY = "FileVersion".encode("utf-16-le") + b"\0\0"


def file_version(data):
    at = data.find(KEY)
    if at < 0:
        return None
    at += len(KEY)
    at += -at % 4  # the value starts on a 32-bit boundary
    end = at
    while data[end : end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le")


if __name__ == "__main__":
    with open(sys.argv[1], "rb") as program:
        version = file_version(program.read())
    if version is None:
        sys.exit(f"{sys.argv[1]}: no FileVersion in its version record")
    print(version)
