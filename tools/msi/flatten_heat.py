#!/usr/bin/python3
"""Puts the files that wixl-heat lists in a folder named "." straight into the folder it refers to.

    flatten_heat.py < files.wxs > files.wxs

Windows Installer removes, when it uninstalls, the folders that hold a component; the "." folder
stands for the program's folder without being it, which then stayed behind (under Wine).
"""
import sys
import xml.etree.ElementTree as ET

WIX = "http://schemas.microsoft.com/wix/2006/wi"
ET.register_namespace("", WIX)
tree = ET.parse(sys.stdin)
for ref in tree.getroot().iter(f"{{{WIX}}}DirectoryRef"):
    for folder in list(ref):
        if folder.tag == f"{{{WIX}}}Directory" and folder.get("Name") == ".":
            ref.remove(folder)
            ref.extend(list(folder))
tree.write(sys.stdout, encoding="unicode", xml_declaration=True)
