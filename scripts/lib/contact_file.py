"""Festorin's contact file, dates.txt, for the scripts that take pictures."""

# The ten fields of a record: a length byte, then the text padded with zeros.
FIELD_SIZES = [5, 61, 61, 61, 31, 31, 31, 21, 21, 41]


def write_contacts(path, people):
    """Writes one 364-byte record a person; a person is ten texts in grid order."""
    with open(path, "wb") as f:
        for person in people:
            for size, text in zip(FIELD_SIZES, person):
                data = text.encode("cp1252")[: size - 1]
                f.write(bytes([len(data)]) + data + b"\0" * (size - 1 - len(data)))
