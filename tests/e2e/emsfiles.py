"""The bytes the program must write for a drawing: .ems pictures and .ema animations."""


def row_bytes(width):
    return (width + 7) // 8


def frame_bytes(width, height, cells):
    """Rows of ceil(width / 8) bytes, leftmost pixel in the highest bit; `cells` holds the
    1-based (x, y) of the set pixels."""
    data = bytearray(row_bytes(width) * height)
    for x, y in cells:
        data[(y - 1) * row_bytes(width) + (x - 1) // 8] |= 0x80 >> ((x - 1) % 8)
    return bytes(data)


def picture_file(width, height, cells):
    return bytes([0x02, width, height]) + frame_bytes(width, height, cells)


def animation_file(width, height, frames, delay):
    """`frames` is a list of cell sets, one per frame."""
    header = bytes([0x06, width, height, len(frames), delay])
    return header + b"".join(frame_bytes(width, height, cells) for cells in frames)
