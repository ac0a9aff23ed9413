// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_PDFTAP_H
#define QUORLITH_REPORT_PDFTAP_H

#include <QByteArray>
#include <QIODevice>

#include <vector>

// A page object as Qt wrote it: its number, the page tree node it names as its parent, and the rest of
// its dictionary after the parent, so that it can be written again under another parent.
struct PdfPageObject
{
    int number = 0;
    int parent = 0;
    QByteArray rest;
};

// A font's character map (ToUnicode) stream as Qt wrote it: its object number and its content.
struct PdfCharacterMap
{
    int number = 0;
    QByteArray content;
};

// Passes what Qt's PDF output writes on to the device and keeps its first and last bytes, where the
// document information, the metadata stream and the trailer stand, every page object and every font's
// character map, so that an
// update can be appended without the document ever being held in memory whole.
class PdfTap : public QIODevice
{
public:
    explicit PdfTap(QIODevice* device);

    bool isSequential() const override { return true; }
    const QByteArray& Head() const { return head; }
    const QByteArray& Tail() const { return tail; }
    qint64 Written() const { return written; }
    // The page objects in the order they were written.
    const std::vector<PdfPageObject>& Pages() const { return pages; }
    // The fonts' character maps in the order they were written.
    const std::vector<PdfCharacterMap>& CharacterMaps() const { return characterMaps; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    // Takes the page objects and character maps that end in what was written since the last call.
    void FindObjects(const char* data, qint64 length);
    // Keeps the end of window from which a page object not yet whole may still be found.
    void Keep(const QByteArray& window, int used);

    QIODevice* device;
    QByteArray head;
    QByteArray tail;
    qint64 written = 0;
    std::vector<PdfPageObject> pages;
    std::vector<PdfCharacterMap> characterMaps;
    // The end of what was written before, where a page object may have begun.
    QByteArray carry;
};

#endif
