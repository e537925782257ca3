#!/usr/bin/env python3
"""Reads the package's copyright file with Debian's own parser of the machine-readable
format (python3-debian), and checks that it agrees with the AppStream metadata."""
import re
import sys

sys.dont_write_bytecode = True
try:
    from debian.copyright import Copyright
except ImportError:
    print("Skipped: python3-debian is not installed; scripts/install-deps installs it (scripts/packages.txt).")
    sys.exit(77)

copyright_path, metainfo_path = sys.argv[1:3]
failures = []
with open(copyright_path, encoding="utf-8") as f:
    document = Copyright(f, strict=True)  # raises on a malformed file
if not document.header.format or "copyright-format/1.0" not in document.header.format:
    failures.append(f"Format: {document.header.format!r}")
standalone = {paragraph.license.synopsis for paragraph in document.all_license_paragraphs()}
files = list(document.all_files_paragraphs())
for paragraph in files:
    if not paragraph.copyright:
        failures.append(f"Files: {' '.join(paragraph.files)} has no Copyright")
    if not paragraph.license.text and paragraph.license.synopsis not in standalone:
        failures.append(f"License {paragraph.license.synopsis} has no text")
everything = next((p for p in files if p.files == ("*",)), None)
with open(metainfo_path, encoding="utf-8") as f:
    metainfo = f.read()
project = re.search(r"<project_license>([^<]*)</project_license>", metainfo)
metadata = re.search(r"<metadata_license>([^<]*)</metadata_license>", metainfo)
if everything is None or project is None or everything.license.synopsis != project.group(1):
    failures.append("the licence of Files: * is not the metainfo's project_license")
if metadata is None or metadata.group(1) not in standalone:
    failures.append("the metainfo's metadata_license has no License paragraph")
for failure in failures:
    print("FAIL:", failure)
print(f"{copyright_path}: {len(files)} Files paragraphs, licences {sorted(standalone)}")
sys.exit(1 if failures else 0)
