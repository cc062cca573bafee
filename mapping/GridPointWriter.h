#pragma once
#include <string>

// Writes a point grid shapefile with the fields of the canvas layer:
// POINTID, ALT, MAR, MAT, MAT_RANGE, COUNT, VALUE.
class GridPointWriter {
public:
    struct Point {
        double x, y;
        int alt;
        int mar;
        double mat;
        double matRange; // NaN: left blank
        int count;       // negative: left blank
        int value;
    };

    // Throws std::runtime_error when the files cannot be created.
    explicit GridPointWriter(const std::string &shpPath);
    ~GridPointWriter();
    GridPointWriter(const GridPointWriter &) = delete;
    GridPointWriter &operator=(const GridPointWriter &) = delete;

    // Appends a point; its POINTID is its number, from 1.
    void add(const Point &point);
    int count() const { return m_count; }
    // Flushes and closes the files; throws std::runtime_error on failure.
    void close();

private:
    void *m_shp = nullptr;
    void *m_dbf = nullptr;
    int m_count = 0;
    std::string m_path;
};
