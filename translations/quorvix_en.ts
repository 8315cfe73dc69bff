<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AuthorTool</name>
    <message numerus="yes">
        <source>%1: %n entries saved</source>
        <translation>
            <numerusform>%1: %n entry saved</numerusform>
            <numerusform>%1: %n entries saved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, built and checked</source>
        <translation>
            <numerusform>%1: %n entry, built and checked</numerusform>
            <numerusform>%1: %n entries, built and checked</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CatalogFile</name>
    <message numerus="yes">
        <source>Catalog %1 is too large: %n records, at most %2 are read</source>
        <translation>
            <numerusform>Catalog %1 is too large: %n record, at most %2 are read</numerusform>
            <numerusform>Catalog %1 is too large: %n records, at most %2 are read</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TAuthorForm</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the clips need %n discs</source>
        <translation>
            <numerusform>; the clips need %n disc</numerusform>
            <numerusform>; the clips need %n discs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDiscProject</name>
    <message numerus="yes">
        <source>%n bytes; the catalog holds at most 255</source>
        <translation>
            <numerusform>%n byte; the catalog holds at most 255</numerusform>
            <numerusform>%n bytes; the catalog holds at most 255</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has clips in %n folders; the catalog has at most 256 groups</source>
        <translation>
            <numerusform>%1 has clips in %n folder; the catalog has at most 256 groups</numerusform>
            <numerusform>%1 has clips in %n folders; the catalog has at most 256 groups</numerusform>
        </translation>
    </message>
</context>
</TS>
