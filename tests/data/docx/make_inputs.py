#!/usr/bin/python3
"""Writes the hand-built test documents of the document engine (run from this folder)."""
import os
import zipfile

W = 'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"'
R = 'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
TYPES = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
         '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
         '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
         '<Default Extension="xml" ContentType="application/xml"/>'
         '<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>'
         '{extra}</Types>')
COMMENTS_TYPE = ('<Override PartName="/word/comments.xml" '
                 'ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml"/>')
RELS = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>'
        '</Relationships>')
DOC_RELS = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments" Target="comments.xml"/>'
            '</Relationships>')
SECT = '<w:sectPr><w:pgSz w:w="11906" w:h="16838"/><w:pgMar w:top="1134" w:right="1134" w:bottom="1134" w:left="1134" w:header="709" w:footer="709" w:gutter="0"/></w:sectPr>'


def document(body, ns=W):
    return f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:document {ns} {R}><w:body>{body}{SECT}</w:body></w:document>'


def comments(*entries):
    inner = ''.join(f'<w:comment w:id="{i}" w:author="Test" w:initials="T"><w:p><w:r><w:t>{t}</w:t></w:r></w:p></w:comment>'
                    for i, t in entries)
    return f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:comments {W}>{inner}</w:comments>'


def write(name, parts):
    with zipfile.ZipFile(name, 'w', zipfile.ZIP_DEFLATED) as z:
        for part, text in parts:
            z.writestr(part, text)


def run(text):
    return f'<w:r><w:t xml:space="preserve">{text}</w:t></w:r>'


def marked(i, text):
    return (f'<w:commentRangeStart w:id="{i}"/>{run(text)}<w:commentRangeEnd w:id="{i}"/>'
            f'<w:r><w:commentReference w:id="{i}"/></w:r>')


def cell(content, width=1417):
    return f'<w:tc><w:tcPr><w:tcW w:w="{width}" w:type="dxa"/></w:tcPr><w:p>{content}</w:p></w:tc>'


EMPTY = document('<w:p/>')
TABLE = ('<w:tbl><w:tblPr><w:tblW w:w="7085" w:type="dxa"/><w:tblLayout w:type="fixed"/></w:tblPr>'
         '<w:tblGrid>' + '<w:gridCol w:w="1417"/>' * 5 + '</w:tblGrid>'
         '<w:tr>' + cell(run('Alt')) + cell('') * 3 + cell(marked(2, '')) + '</w:tr>'
         '<w:tr>' + cell(run('15.1')) + cell('') * 3 + cell(marked(3, '  120,00 €')) + '</w:tr></w:tbl>')
TEMPLATE = document(
    f'<w:p>{run("Rechnung Nr. 1")}</w:p>'
    f'<w:p>{marked(1, "Einfügestelle")}</w:p>'
    f'<w:p/>{TABLE}<w:p/>'
    f'<w:p>{run("Nettobetrag:")}<w:r><w:tab/></w:r>{marked(4, "      0,00 € ")}</w:p>'
    f'<w:p>{run("Gesamt: ")}<w:r><w:commentReference w:id="5"/></w:r></w:p>'
    f'<w:p>{run("Ende")}</w:p>')
TEMPLATE_COMMENTS = comments((1, 'vamoStart'), (2, 'Kovelund_1'), (3, '0'), (4, 'vamoNetto'), (5, 'vamoGesamt'))


def good():
    write('leer.docx', [('[Content_Types].xml', TYPES.format(extra='')), ('_rels/.rels', RELS), ('word/document.xml', EMPTY)])
    write('vorlage.docx', [('[Content_Types].xml', TYPES.format(extra=COMMENTS_TYPE)), ('_rels/.rels', RELS),
                           ('word/_rels/document.xml.rels', DOC_RELS), ('word/document.xml', TEMPLATE),
                           ('word/comments.xml', TEMPLATE_COMMENTS)])


def bad():
    base = [('[Content_Types].xml', TYPES.format(extra=COMMENTS_TYPE)), ('_rels/.rels', RELS)]
    with open('bad/kein_zip.docx', 'w') as f:
        f.write('Das ist keine Rechnung.\n')
    with open('vorlage.docx', 'rb') as f:
        whole = f.read()
    with open('bad/abgeschnitten.docx', 'wb') as f:
        f.write(whole[:len(whole) * 2 // 3])
    write('bad/ohne_hauptteil.docx', base)
    write('bad/kaputtes_xml.docx', base + [('word/document.xml', EMPTY.replace('</w:body>', ''))])
    write('bad/ohne_kommentare.docx', base + [('word/_rels/document.xml.rels', DOC_RELS), ('word/document.xml', TEMPLATE)])
    write('bad/kaputte_kommentare.docx', base + [('word/_rels/document.xml.rels', DOC_RELS), ('word/document.xml', TEMPLATE),
                                                 ('word/comments.xml', TEMPLATE_COMMENTS[:-20])])
    write('bad/kommentar_fehlt.docx', base + [('word/_rels/document.xml.rels', DOC_RELS), ('word/document.xml', TEMPLATE),
                                              ('word/comments.xml', comments((1, 'vamoStart'), (2, 'x'), (4, 'y'), (5, 'z')))])
    strict = 'xmlns:w="http://purl.oclc.org/ooxml/wordprocessingml/main"'
    write('bad/strict.docx', base + [('word/document.xml', document('<w:p/>', strict))])
    # An entry whose directory claims 300 GB uncompressed.
    write('bad/riesig.docx', base + [('word/document.xml', EMPTY)])
    with open('bad/riesig.docx', 'rb') as f:
        data = bytearray(f.read())
    central = data.rfind(b'PK\x01\x02')
    local = int.from_bytes(data[central + 42:central + 46], 'little')
    data[central + 24:central + 28] = (0xFFFFFFF0).to_bytes(4, 'little')
    data[local + 22:local + 26] = (0xFFFFFFF0).to_bytes(4, 'little')
    with open('bad/riesig.docx', 'wb') as f:
        f.write(data)


def row_marked():
    """A template whose "vamoStart" comment spans two table rows from between them, without a mark."""
    rows = '<w:tr>' + cell(run('Pos. 1')) + '</w:tr><w:tr>' + cell(run('Pos. 2')) + '</w:tr>'
    table = ('<w:tbl><w:tblPr><w:tblW w:w="1417" w:type="dxa"/></w:tblPr><w:tblGrid><w:gridCol w:w="1417"/></w:tblGrid>'
             f'<w:commentRangeStart w:id="1"/>{rows}<w:commentRangeEnd w:id="1"/></w:tbl>')
    write('zeilenmarke.docx', [('[Content_Types].xml', TYPES.format(extra=COMMENTS_TYPE)), ('_rels/.rels', RELS),
                               ('word/_rels/document.xml.rels', DOC_RELS),
                               ('word/document.xml', document(f'<w:p>{run("Rechnung")}</w:p>{table}<w:p>{run("Ende")}</w:p>')),
                               ('word/comments.xml', comments((1, 'vamoStart')))])


def styled():
    """Cells whose text takes its size from the styles: the document default, the default paragraph
    style (after a default character style, as word processors write them), a chain of paragraph
    styles, a character style, a size of its own."""
    styles = (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:styles {W}>'
              '<w:docDefaults><w:rPrDefault><w:rPr><w:sz w:val="20"/></w:rPr></w:rPrDefault></w:docDefaults>'
              '<w:style w:type="character" w:default="1" w:styleId="Absatzstandard"/>'
              '<w:style w:type="paragraph" w:default="1" w:styleId="Standard"><w:rPr><w:sz w:val="24"/></w:rPr></w:style>'
              '<w:style w:type="paragraph" w:styleId="Klein"><w:basedOn w:val="Standard"/></w:style>'
              '<w:style w:type="paragraph" w:styleId="Gross"><w:basedOn w:val="Klein"/><w:rPr><w:sz w:val="32"/></w:rPr></w:style>'
              '<w:style w:type="paragraph" w:styleId="Ohne"><w:basedOn w:val="Ohne"/></w:style>'
              '<w:style w:type="character" w:styleId="Hinweis"><w:rPr><w:sz w:val="16"/></w:rPr></w:style>'
              '</w:styles>')
    types = TYPES.format(extra='<Override PartName="/word/styles.xml" '
                               'ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>')
    rels = DOC_RELS.replace('relationships/comments" Target="comments.xml"', 'relationships/styles" Target="styles.xml"')

    def styled_cell(style, content):
        ppr = f'<w:pPr><w:pStyle w:val="{style}"/></w:pPr>' if style else ''
        return f'<w:tr><w:tc><w:tcPr><w:tcW w:w="2835" w:type="dxa"/></w:tcPr><w:p>{ppr}{content}</w:p></w:tc></w:tr>'

    rows = (styled_cell('', run('Standard')) + styled_cell('Klein', run('Klein')) + styled_cell('Gross', run('Gross')) +
            styled_cell('Gross', '<w:r><w:rPr><w:rStyle w:val="Hinweis"/></w:rPr><w:t>Hinweis</w:t></w:r>') +
            styled_cell('Klein', '<w:r><w:rPr><w:sz w:val="18"/></w:rPr><w:t>eigen</w:t></w:r>') +
            styled_cell('Ohne', run('Kreis')))
    table = ('<w:tbl><w:tblPr><w:tblW w:w="2835" w:type="dxa"/></w:tblPr><w:tblGrid><w:gridCol w:w="2835"/></w:tblGrid>'
             f'{rows}</w:tbl>')
    write('formatvorlagen.docx', [('[Content_Types].xml', types), ('_rels/.rels', RELS),
                                  ('word/_rels/document.xml.rels', rels), ('word/styles.xml', styles),
                                  ('word/document.xml', document(f'{table}<w:p/>'))])


def foreign():
    """Documents as other programs write them: the main part at another path in an archive whose headers
    disagree on a time, the main namespace bound to ns0, or made the default namespace. Each has a
    paragraph, a table with a commented cell and a paragraph of two runs."""
    def body(w):
        cell_ = (f'<{w}tc><{w}p><{w}commentRangeStart {w}id="1"/><{w}r><{w}t>12,50 €</{w}t></{w}r>'
                 f'<{w}commentRangeEnd {w}id="1"/><{w}r><{w}commentReference {w}id="1"/></{w}r></{w}p></{w}tc>')
        table = (f'<{w}tbl><{w}tblPr><{w}tblW {w}w="2835" {w}type="dxa"/></{w}tblPr><{w}tblGrid><{w}gridCol {w}w="2835"/>'
                 f'</{w}tblGrid><{w}tr>{cell_}</{w}tr></{w}tbl>')
        return (f'<{w}body><{w}p><{w}r><{w}t>Erster Absatz</{w}t></{w}r></{w}p>{table}'
                f'<{w}p><{w}r><{w}t xml:space="preserve">Zweiter </{w}t></{w}r><{w}r><{w}t>Absatz</{w}t></{w}r></{w}p></{w}body>')

    def notes(w, declarations):
        return (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?><{w}comments {declarations}>'
                f'<{w}comment {w}id="1" {w}author="Fremd"><{w}p><{w}r><{w}t>0</{w}t></{w}r></{w}p></{w}comment></{w}comments>')

    os.makedirs('fremd', exist_ok=True)
    main_ns = 'http://schemas.openxmlformats.org/wordprocessingml/2006/main'
    for name, w, declarations in (('fremd/ns0.docx', 'ns0:', f'xmlns:ns0="{main_ns}"'),
                                  ('fremd/standardnamensraum.docx', '', f'xmlns="{main_ns}" xmlns:x="{main_ns}"')):
        xml = f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?><{w}document {declarations}>{body(w)}</{w}document>'
        if not w:  # attributes need a prefix even where elements take the default namespace
            xml = xml.replace(' id=', ' x:id=').replace(' w=', ' x:w=').replace(' type=', ' x:type=')
        comment_xml = notes(w, declarations)
        if not w:
            comment_xml = comment_xml.replace(' id=', ' x:id=').replace(' author=', ' x:author=')
        write(name, [('[Content_Types].xml', TYPES.format(extra=COMMENTS_TYPE)), ('_rels/.rels', RELS),
                     ('word/_rels/document.xml.rels', DOC_RELS), ('word/document.xml', xml),
                     ('word/comments.xml', comment_xml)])
    moved = {'[Content_Types].xml': TYPES.format(extra=COMMENTS_TYPE).replace('/word/', '/inhalt/'),
             '_rels/.rels': RELS.replace('word/document.xml', 'inhalt/haupt.xml'),
             'inhalt/_rels/haupt.xml.rels': DOC_RELS.replace('comments.xml', 'notizen.xml'),
             'inhalt/haupt.xml': f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:document {W}>{body("w:")}</w:document>',
             'inhalt/notizen.xml': notes('w:', W)}
    write('fremd/anderer_pfad.docx', list(moved.items()))
    # The first entry's local header gives another time than the directory, as some writers leave it.
    with open('fremd/anderer_pfad.docx', 'r+b') as f:
        f.seek(10)
        f.write((0x6553).to_bytes(2, 'little'))


def damaged_entries():
    """Archives whose directory is sound but one entry is not: a wrong checksum, a wrong length."""
    for name, offset, value in (('bad/pruefsumme.docx', 16, 0x12345678), ('bad/laenge.docx', 24, 10)):
        write(name, [('[Content_Types].xml', TYPES.format(extra='')), ('_rels/.rels', RELS), ('word/document.xml', EMPTY)])
        with open(name, 'rb') as f:
            data = bytearray(f.read())
        central = data.rfind(b'PK\x01\x02')
        local = int.from_bytes(data[central + 42:central + 46], 'little')
        data[central + offset:central + offset + 4] = value.to_bytes(4, 'little')
        data[local + offset - 2:local + offset + 2] = value.to_bytes(4, 'little')
        with open(name, 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    good()
    bad()
    row_marked()
    styled()
    foreign()
    damaged_entries()
