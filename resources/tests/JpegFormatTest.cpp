// SPDX-License-Identifier: GPL-3.0-or-later
// Every stored JPEG: baseline JFIF 1.01, 8-bit YCbCr with 2 x 2 chroma
// subsampling, 96 x 96 dpi, and the standard tables at quality 94 as libjpeg's
// jpeg_set_quality scales them.
#include <QtTest>

#include <array>
#include <cstdio>

#include <jpeglib.h>

#include "FileHeaders.h"
#include "resources/EmbeddedPictures.h"

namespace {

using QuantTable = std::array<quint16, DCTSIZE2>;

// The tables libjpeg's compressor builds for quality 94 with the standard scaling.
std::array<QuantTable, 2> ReferenceTables()
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    cinfo.in_color_space = JCS_RGB;
    cinfo.input_components = 3;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 94, TRUE);
    std::array<QuantTable, 2> tables{};
    for (std::size_t t = 0; t < 2; ++t)
        for (std::size_t i = 0; i < DCTSIZE2; ++i)
            tables[t][i] = cinfo.quant_tbl_ptrs[t]->quantval[i];
    jpeg_destroy_compress(&cinfo);
    return tables;
}

// The start-of-frame markers met before the first scan.
QVector<int> FrameMarkers(const QByteArray& bytes)
{
    QVector<int> markers;
    int at = 2;
    while (at + 4 <= bytes.size() && U8(bytes, at) == 0xFF) {
        const int marker = U8(bytes, at + 1);
        if (marker == 0xDA)
            break;
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            markers << marker;
        at += 2 + (U8(bytes, at + 2) << 8 | U8(bytes, at + 3));
    }
    return markers;
}

QStringList JpegPaths()
{
    QStringList paths;
    for (int k1 = 1; k1 <= 3; ++k1)
        for (int k2 = 1; k2 <= 2; ++k2)
            for (int k3 = 1; k3 <= 2; ++k3)
                paths << SchemePicturePath(k1, k2, k3);
    for (int shape = 1; shape <= 4; ++shape)
        paths << SignalPicturePath(1, shape);
    return paths;
}

}  // namespace

class JpegFormatTest : public QObject {
    Q_OBJECT

private slots:
    void headers_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : JpegPaths())
            QTest::newRow(qPrintable(path)) << path;
    }

    void headers()
    {
        QFETCH(QString, path);
        const QByteArray bytes = ResourceBytes(path);
        QVERIFY(bytes.startsWith("\xFF\xD8\xFF\xE0"));
        QCOMPARE(FrameMarkers(bytes), QVector<int>{0xC0});  // baseline DCT, Huffman

        jpeg_decompress_struct cinfo{};
        jpeg_error_mgr errors{};
        cinfo.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                     static_cast<unsigned long>(bytes.size()));
        QCOMPARE(jpeg_read_header(&cinfo, TRUE), JPEG_HEADER_OK);
        QVERIFY(cinfo.saw_JFIF_marker);
        QCOMPARE(int(cinfo.JFIF_major_version), 1);
        QCOMPARE(int(cinfo.JFIF_minor_version), 1);
        QCOMPARE(int(cinfo.density_unit), 1);  // dots per inch
        QCOMPARE(int(cinfo.X_density), 96);
        QCOMPARE(int(cinfo.Y_density), 96);
        QCOMPARE(cinfo.data_precision, 8);
        QCOMPARE(cinfo.num_components, 3);
        QCOMPARE(cinfo.jpeg_color_space, JCS_YCbCr);
        QVERIFY(!cinfo.progressive_mode);
        QVERIFY(!cinfo.arith_code);
        const int sampling[3][2] = {{2, 2}, {1, 1}, {1, 1}};
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(cinfo.comp_info[c].h_samp_factor, sampling[c][0]);
            QCOMPARE(cinfo.comp_info[c].v_samp_factor, sampling[c][1]);
            QCOMPARE(cinfo.comp_info[c].quant_tbl_no, c == 0 ? 0 : 1);
        }
        const std::array<QuantTable, 2> reference = ReferenceTables();
        for (std::size_t t = 0; t < 2; ++t) {
            QVERIFY(cinfo.quant_tbl_ptrs[t] != nullptr);
            for (std::size_t i = 0; i < DCTSIZE2; ++i)
                QCOMPARE(cinfo.quant_tbl_ptrs[t]->quantval[i], reference[t][i]);
        }
        jpeg_destroy_decompress(&cinfo);
    }

    // Quality 94 scales the standard tables to 12 %: the luminance DC entry 16 becomes 2.
    void qualityScalingIsTheStandardOne()
    {
        const std::array<QuantTable, 2> reference = ReferenceTables();
        QCOMPARE(reference[0][0], quint16(2));   // (16 * 12 + 50) / 100
        QCOMPARE(reference[1][63], quint16(12)); // (99 * 12 + 50) / 100
    }
};

QTEST_MAIN(JpegFormatTest)
#include "JpegFormatTest.moc"
