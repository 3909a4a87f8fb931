#!/usr/bin/env python3
"""Writes the panel gallery: one heading per dialog template of the plug-in
with the dialog's caption, how the engineer opens it, what is done there,
and the guided tour's picture of it. The table is cphost/gallery.txt; its
captions are checked against the templates in resources/dialogs/.

Usage: gallery.py SOURCE_DIR PICTURE_DIR OUTPUT.md [IMAGE_PREFIX]
IMAGE_PREFIX is how OUTPUT.md reaches the pictures (default "images/").
Exit status 1 when the table misses a template, names one twice or has a
caption that differs from the template's.
"""
import glob
import os
import re
import sys


def captions(source):
    """Template number -> caption, from the resource scripts."""
    found = {}
    for path in sorted(glob.glob(os.path.join(source, "resources", "dialogs", "*.rc"))):
        with open(path, encoding="latin-1") as f:
            text = f.read()
        for block in re.findall(r"DIALOGEX.*?\nEND", text, re.S):
            caption = re.search(r'^CAPTION "(.*)"', block, re.M)
            number = re.search(r'"KTDLG(\d+)"', block)
            if caption and number:
                found[int(number.group(1))] = caption.group(1)
    return found


def rows(source):
    with open(os.path.join(source, "cphost", "gallery.txt"), encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                number, caption, picture, opened, what = (part.strip() for part in line.split("|", 4))
                yield int(number), caption, picture, opened, what


def pictures_of(pictures, number, named):
    """The named picture first, then the tour's other pictures of the template
    (another layout of it)."""
    found = sorted(os.path.basename(p) for p in glob.glob(os.path.join(pictures, "%d-*.png" % number)))
    return ([named] if named in found else []) + [p for p in found if p != named]


def main(argv):
    if len(argv) < 4:
        sys.stderr.write(__doc__)
        return 2
    source, pictures, output = argv[1:4]
    prefix = argv[4] if len(argv) > 4 else "images/"
    built = captions(source)
    table = list(rows(source))
    numbers = [row[0] for row in table]
    wrong = [n for n, caption, _, _, _ in table if n in built and built[n] != caption]
    if not set(built) <= set(numbers) or len(set(numbers)) != len(numbers) or wrong:
        sys.stderr.write("gallery: the table names %s, the templates are %s, captions differ for %s\n"
                         % (sorted(numbers), sorted(built), wrong))
        return 1
    names = {n: caption for n, caption, _, _, _ in table}
    out = ["# Panel gallery", "",
           "Every dialog template of TORVEX2 (%d), as the guided tour (`cphost/tour.sh`, run by"
           " `scripts/main-job.sh`) shows it against the default simulated instrument in Standby."
           " The tour's own command lines are in `cphost/tour.txt`; a `--set` is a host variable,"
           " an `--option` an entry of the installation's option file." % len(table), "",
           "This page is written by `cphost/gallery.py` from `cphost/gallery.txt`.", "",
           "| Template | Dialog | Opened by | What the engineer does there |",
           "|---|---|---|---|"]
    for number, _, _, opened, what in table:
        out.append("| [%d](#%d) | %s | %s | %s |" % (number, number, names[number], opened, what))
    for number, _, named, opened, what in table:
        out += ["", '<a id="%d"></a>' % number, "", "## %d %s" % (number, names[number]), "",
                "Opened by %s. %s" % (opened, what), ""]
        shown = pictures_of(pictures, number, named)
        for i, picture in enumerate(shown):
            out += [""] if i else []
            out.append("![%d %s](%s%s)" % (number, names[number], prefix, picture))
        if not shown:
            out.append("*No picture: the tour does not open this dialog yet.*")
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
