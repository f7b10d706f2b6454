// Reads the PNG files the tests compare (8 bits a channel, grey, RGB or RGBA, not
// interlaced) into RGBA pixels.
import zlib from "node:zlib";

export function readPng(bytes) {
  let pos = 8, width = 0, height = 0, type = 0;
  const data = [];
  while (pos < bytes.length) {
    const length = bytes.readUInt32BE(pos), kind = bytes.toString("latin1", pos + 4, pos + 8);
    const body = bytes.subarray(pos + 8, pos + 8 + length);
    if (kind === "IHDR") {
      [width, height, type] = [body.readUInt32BE(0), body.readUInt32BE(4), body[9]];
      if (body[8] !== 8 || body[12] !== 0) throw new Error("only 8-bit, not interlaced");
    } else if (kind === "IDAT") data.push(body);
    pos += 12 + length;
  }
  const channels = { 0: 1, 2: 3, 4: 2, 6: 4 }[type];
  const raw = zlib.inflateSync(Buffer.concat(data)), stride = width * channels;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)], line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const a = x >= channels ? rows[y * stride + x - channels] : 0;
      const b = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predicted = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      rows[y * stride + x] = (line[x] + predicted) & 0xff;
    }
  }
  const rgba = Buffer.alloc(width * height * 4);
  for (let i = 0; i < width * height; ++i) {
    const px = rows.subarray(i * channels, (i + 1) * channels);
    const [r, g, b] = channels >= 3 ? px : [px[0], px[0], px[0]];
    rgba.set([r, g, b, channels === 4 ? px[3] : channels === 2 ? px[1] : 255], i * 4);
  }
  return { width, height, rgba };
}

// How many pixels of `picture`, from the point `at` on, differ from those of `reference`: by more
// than `tolerance` in a colour channel, outside the boxes `except` (in the reference's pixels).
export function differingPixels(picture, at, reference, { tolerance = 0, except = [] } = {}) {
  const excepted = (x, y) => except.some(box => x >= box.x && x < box.x + box.width &&
                                                y >= box.y && y < box.y + box.height);
  let n = 0;
  for (let y = 0; y < reference.height; ++y)
    for (let x = 0; x < reference.width; ++x) {
      const i = ((at.y + y) * picture.width + at.x + x) * 4, j = (y * reference.width + x) * 4;
      if (!excepted(x, y) && [0, 1, 2].some(c => Math.abs(picture.rgba[i + c] - reference.rgba[j + c]) > tolerance))
        ++n;
    }
  return n;
}
