#!/usr/bin/env python3
"""Writes an invoice with N fee tables of 20 rows × 8 columns into the sample invoice.

Usage: rechnung_erzeugen.py SAMPLE.docx OUT.docx N

The tables go before the paragraph marked "vamoStart", formatted as the fee tables are (no borders,
widths per cell, right-aligned amounts at 10 pt); the amount cell of each table's last row carries
the comment "0" (tax-free), as a tax-free line does.
"""
import re
import sys
import zipfile

WIDTHS = [3175, 1417, 1134, 1134, 1417, 1134, 1134, 1134]


RUN_RPR = '<w:rPr><w:rFonts w:ascii="Liberation Sans" w:hAnsi="Liberation Sans"/><w:sz w:val="20"/><w:szCs w:val="20"/></w:rPr>'


def cell(width, text, right):
    jc = '<w:jc w:val="right"/>' if right else ''
    rpr = '<w:rPr><w:sz w:val="20"/><w:szCs w:val="20"/></w:rPr>'
    return (f'<w:tc><w:tcPr><w:tcW w:w="{width}" w:type="dxa"/></w:tcPr>'
            f'<w:p><w:pPr>{jc}{rpr}</w:pPr><w:r>{RUN_RPR}'
            f'<w:t xml:space="preserve">{text}</w:t></w:r></w:p></w:tc>')


def commented_cell(width, text, cid):
    rpr = '<w:rPr><w:sz w:val="20"/><w:szCs w:val="20"/></w:rPr>'
    return (f'<w:tc><w:tcPr><w:tcW w:w="{width}" w:type="dxa"/></w:tcPr>'
            f'<w:p><w:pPr><w:jc w:val="right"/>{rpr}</w:pPr>'
            f'<w:commentRangeStart w:id="{cid}"/><w:r>{rpr}<w:t xml:space="preserve">{text}</w:t></w:r>'
            f'<w:commentRangeEnd w:id="{cid}"/><w:r><w:commentReference w:id="{cid}"/></w:r></w:p></w:tc>')


def table(number, cid):
    borders = ''.join(f'<w:{b} w:val="nil"/>' for b in ('top', 'left', 'bottom', 'right', 'insideH', 'insideV'))
    xml = ('<w:tbl><w:tblPr><w:tblW w:w="0" w:type="auto"/>'
           f'<w:tblBorders>{borders}</w:tblBorders><w:tblLayout w:type="fixed"/></w:tblPr><w:tblGrid>'
           + ''.join(f'<w:gridCol w:w="{w}"/>' for w in WIDTHS) + '</w:tblGrid>')
    for row in range(1, 21):
        xml += '<w:tr>'
        for col in range(1, 9):
            if col == 1:
                text = f'Position {number}.{row} Vermessungsarbeiten'
            elif col == 5:
                amount = (number * 37 + row * 11) % 900 + row / 100
                text = f'{amount:10.2f} €'.replace('.', ',')
            else:
                text = f'{(row * col) % 97},{col}0'
            if col == 5 and row == 20:
                xml += commented_cell(WIDTHS[col - 1], text, cid)
            else:
                xml += cell(WIDTHS[col - 1], text, col > 1)
        xml += '</w:tr>'
    return xml + '</w:tbl><w:p/>'


def main():
    sample, out, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
    with zipfile.ZipFile(sample) as z:
        parts = {i.filename: z.read(i.filename) for i in z.infolist()}
    document = parts['word/document.xml'].decode()
    comments = parts['word/comments.xml'].decode()
    start = document.index('<w:commentRangeStart w:id="0"/>')
    paragraph = document.rindex('<w:p>', 0, start)
    first_id = 1 + max(int(i) for i in re.findall(r'w:comment w:id="(\d+)"', comments))
    tables = ''.join(table(n, first_id + n) for n in range(count))
    notes = ''.join(f'<w:comment w:id="{first_id + n}" w:author="Kovelund" w:initials="K">'
                    '<w:p><w:r><w:t>0</w:t></w:r></w:p></w:comment>' for n in range(count))
    parts['word/document.xml'] = (document[:paragraph] + tables + document[paragraph:]).encode()
    parts['word/comments.xml'] = comments.replace('</w:comments>', notes + '</w:comments>').encode()
    with zipfile.ZipFile(out, 'w', zipfile.ZIP_DEFLATED) as z:
        for name, data in parts.items():
            z.writestr(name, data)


if __name__ == '__main__':
    main()
