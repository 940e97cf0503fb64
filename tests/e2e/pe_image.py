"""Reads what the tests need from a 32-bit Windows executable (PE32): its
resources by type and id, and the fixed part of its version block."""

import struct

RT_STRING = 6
RT_DIALOG = 5
RT_GROUP_ICON = 14
RT_VERSION = 16
RT_MANIFEST = 24
RT_DLGINIT = 240

VS_FIXEDFILEINFO_SIGNATURE = 0xFEEF04BD


class PeImage:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:2] != b"MZ":
            raise ValueError(f"{path}: not an executable")
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError(f"{path}: no PE header")
        sections, optional_size = struct.unpack_from("<2xH12xH", self.data,
                                                     pe + 4)
        optional = pe + 24
        if struct.unpack_from("<H", self.data, optional)[0] != 0x10B:
            raise ValueError(f"{path}: not PE32")
        # Data directory 2 is the resource table.
        self.resource_rva = struct.unpack_from("<I", self.data,
                                               optional + 96 + 2 * 8)[0]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            vsize, va, rsize, raw = struct.unpack_from("<8xIIII", self.data,
                                                       table + 40 * i)
            self.sections.append((va, max(vsize, rsize), raw))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError(f"address {rva:#x} is in no section")

    def _directory(self, rva):
        """The entries of one resource directory: (id or name, rva, is_dir)."""
        base = self.offset(self.resource_rva)
        at = base + rva
        named, ids = struct.unpack_from("<12xHH", self.data, at)
        entries = []
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", self.data, at + 16 + 8 * i)
            if name & 0x80000000:
                length = struct.unpack_from("<H", self.data,
                                            base + (name & 0x7FFFFFFF))[0]
                start = base + (name & 0x7FFFFFFF) + 2
                key = self.data[start:start + 2 * length].decode("utf-16-le")
            else:
                key = name
            entries.append((key, target & 0x7FFFFFFF,
                            bool(target & 0x80000000)))
        return entries

    def resources(self):
        """{type: {id: [data of each language]}}"""
        if not self.resource_rva:
            return {}
        found = {}
        for rtype, type_rva, _ in self._directory(0):
            for rid, id_rva, _ in self._directory(type_rva):
                for _, leaf, _ in self._directory(id_rva):
                    rva, size = struct.unpack_from(
                        "<II", self.data, self.offset(self.resource_rva) + leaf)
                    start = self.offset(rva)
                    found.setdefault(rtype, {}).setdefault(rid, []).append(
                        self.data[start:start + size])
        return found

    def fixed_versions(self):
        """(file version, product version) of the version block, as tuples."""
        block = self.resources()[RT_VERSION][1][0]
        at = block.find(struct.pack("<I", VS_FIXEDFILEINFO_SIGNATURE))
        if at < 0:
            raise ValueError("version block without fixed information")
        fms, fls, pms, pls = struct.unpack_from("<8xIIII", block, at)

        def split(ms, ls):
            return (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        return split(fms, fls), split(pms, pls)

    def version_string(self, key):
        """A value of the version block's string table, e.g. "FileVersion"."""
        block = self.resources()[RT_VERSION][1][0]
        needle = (key + "\0").encode("utf-16-le")
        at = block.find(needle)
        if at < 0:
            return None
        at += len(needle)
        at += (4 - at % 4) % 4  # values start on a 32-bit boundary
        end = at
        while block[end:end + 2] not in (b"\0\0", b""):
            end += 2
        return block[at:end].decode("utf-16-le")
