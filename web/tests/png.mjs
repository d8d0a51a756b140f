// Reads an 8-bit, non-interlaced RGB or RGBA PNG (as kelvane-cli writes them)
// into RGBA pixels, with Node's zlib alone.
import { inflateSync } from 'node:zlib';

export function readPng(bytes) {
    let at = 8;
    let width = 0, height = 0, channels = 0;
    const idat = [];
    while (at < bytes.length) {
        const length = bytes.readUInt32BE(at);
        const type = bytes.toString('latin1', at + 4, at + 8);
        const data = bytes.subarray(at + 8, at + 8 + length);
        if (type === 'IHDR') {
            width = data.readUInt32BE(0);
            height = data.readUInt32BE(4);
            const [depth, colour, , , interlace] = data.subarray(8);
            if (depth !== 8 || interlace !== 0 || (colour !== 2 && colour !== 6))
                throw new Error(`unexpected PNG: depth ${depth}, colour ${colour}`);
            channels = colour === 6 ? 4 : 3;
        } else if (type === 'IDAT') {
            idat.push(data);
        }
        at += 12 + length;
    }
    const raw = inflateSync(Buffer.concat(idat));
    const stride = width * channels;
    const rows = new Uint8Array(height * stride);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        for (let x = 0; x < stride; ++x) {
            const value = raw[y * (stride + 1) + 1 + x];
            const a = x >= channels ? rows[y * stride + x - channels] : 0;
            const b = y > 0 ? rows[(y - 1) * stride + x] : 0;
            const c = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
            const p = a + b - c;
            const [pa, pb, pc] = [Math.abs(p - a), Math.abs(p - b), Math.abs(p - c)];
            const predicted = [0, a, b, (a + b) >> 1,
                               pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
            rows[y * stride + x] = (value + predicted) & 0xff;
        }
    }
    const rgba = new Uint8Array(width * height * 4);
    for (let i = 0; i < width * height; ++i) {
        rgba.set(rows.subarray(i * channels, i * channels + 3), i * 4);
        rgba[i * 4 + 3] = channels === 4 ? rows[i * channels + 3] : 255;
    }
    return { width, height, rgba };
}
