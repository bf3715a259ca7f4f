#!/usr/bin/env python3
"""Fails unless the newest release an AppStream metainfo file lists is VERSION
and carries a date: latest_release.py METAINFO VERSION"""
import re
import sys
import xml.etree.ElementTree as ET

metainfo, version = sys.argv[1:]
release = ET.parse(metainfo).getroot().find("releases/release")
if release is None:
    sys.exit(f"{metainfo}: no release")
if release.get("version") != version:
    sys.exit(f"{metainfo}: newest release is {release.get('version')}, project is {version}")
if not re.fullmatch(r"\d{4}-\d{2}-\d{2}", release.get("date", "")):
    sys.exit(f"{metainfo}: release {version} has no date")
