"""Screenshots as a person sees them: the screen's pixels, read from xwd (X11) or PPM (grim) output."""
import struct


class Shot:
    def __init__(self, width, height, pixel, data, stride, offset, order):
        self.width, self.height, self._pixel, self._data = width, height, pixel, data
        self._stride, self._offset, self._order = stride, offset, order

    def rgb(self, x, y):
        at = self._offset + y * self._stride + x * self._pixel
        return tuple(self._data[at + i] for i in self._order)

    def region(self, x, y, w, h):
        """The raw bytes of a rectangle, for comparing two screenshots exactly."""
        start = self._offset + x * self._pixel
        return b"".join(self._data[start + (y + r) * self._stride:start + (y + r) * self._stride + w * self._pixel]
                        for r in range(h))


def from_xwd(data):
    header = struct.unpack(">25I", data[:100])
    width, height, pixel, stride, colours = header[4], header[5], header[11] // 8, header[12], header[19]
    return Shot(width, height, pixel, data, stride, header[0] + 12 * colours, (2, 1, 0))



def from_ppm(data):
    fields = data.split(maxsplit=4)  # P6, width, height, 255, then the pixels after one blank
    width, height = int(fields[1]), int(fields[2])
    return Shot(width, height, 3, data, 3 * width, len(data) - 3 * width * height, (0, 1, 2))
