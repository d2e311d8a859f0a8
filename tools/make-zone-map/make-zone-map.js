#!/usr/bin/env node
// Draws the world zone map of the regional settings window and its 25 zone
// highlights from Natural Earth's land polygons (public domain, shipped by the
// npm package world-atlas as TopoJSON).
//
//   npm install && node make-zone-map.js ../../resources/map
//
// Writes zonemap.png (377 x 196) and zone01.png .. zone25.png (184 px high),
// 4-bit indexed PNGs in the 16 standard Windows colours, and the same pictures
// for 200 % screens (zonemap@2x.png, zone01@2x.png ..: twice the pixels, the
// coasts drawn at two pixels per degree, the labels doubled).
//
// Geometry: equirectangular, one pixel per degree. Pixel column x is centred on
// longitude x - 187 (wrapped into -180..180), so longitude 0 lies in the middle
// of the "GMT" label cell (x 180..194) and each 15-degree zone falls into its
// own 15-pixel label cell. Row r is centred on latitude 91.5 - r.
'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const topojson = require('topojson-client');

const WIDTH = 377;
const HEIGHT = 196;
const STRIP_TOP = 185;       // rows 185..195: the yellow label strip
const HIGHLIGHT_HEIGHT = 184;
const LON0_X = 187;          // column centred on Greenwich
const LAT_TOP = 91.5;        // latitude of row 0's centre
const SUPERSAMPLE = 3;       // 3 x 3 samples per pixel, land when most are land

// The 16 colours, by palette index.
const PALETTE = [
  [0, 0, 0], [128, 0, 0], [0, 128, 0], [128, 128, 0],
  [0, 0, 128], [128, 0, 128], [0, 128, 128], [192, 192, 192],
  [128, 128, 128], [255, 0, 0], [0, 255, 0], [255, 255, 0],
  [0, 0, 255], [255, 0, 255], [0, 255, 255], [255, 255, 255],
];
const BLACK = 0, NAVY = 4, TEAL = 6, RED = 9, YELLOW = 11, AQUA = 14, WHITE = 15;
const SEA = NAVY, LAND = TEAL;

// Zone table: highlight left edge inside the map frame (the map itself starts
// one pixel in, so map column = left - 1) and width, by zone index 0..24.
const HIGHLIGHTS = [
  [-16, 37], [10, 23], [20, 27], [23, 39], [50, 27], [56, 36], [82, 26], [97, 32],
  [116, 24], [118, 49], [152, 14], [159, 22], [164, 32], [180, 38], [201, 32], [212, 31],
  [225, 30], [232, 38], [248, 37], [264, 37], [263, 58], [293, 38], [314, 30], [326, 33],
  [340, 37],
];
const LABELS = ['-12', '-11', '-10', '-09', '-08', '-07', '-06', '-05', '-04', '-03', '-02', '-01',
  'GMT', '01', '02', '03', '04', '05', '06', '07', '08', '09', '10', '11', '12'];

// Label cells of the hit test: zone = x div 15 up to x 194, (x + 1) div 15 from 195.
function labelCell(zone) {
  if (zone <= 12) return [15 * zone, 15 * zone + 14];
  if (zone === 13) return [195, 208];
  return [15 * zone - 1, 15 * zone + 13];
}

// A small pixel font: rows top to bottom, '#' set.
const GLYPHS = {
  '0': ['###', '#.#', '#.#', '#.#', '###'],
  '1': ['.#.', '##.', '.#.', '.#.', '###'],
  '2': ['###', '..#', '###', '#..', '###'],
  '3': ['###', '..#', '.##', '..#', '###'],
  '4': ['#.#', '#.#', '###', '..#', '..#'],
  '5': ['###', '#..', '###', '..#', '###'],
  '6': ['###', '#..', '###', '#.#', '###'],
  '7': ['###', '..#', '.#.', '.#.', '.#.'],
  '8': ['###', '#.#', '###', '#.#', '###'],
  '9': ['###', '#.#', '###', '..#', '###'],
  '-': ['...', '...', '###', '...', '...'],
  'G': ['###', '#..', '#.#', '#.#', '###'],
  'M': ['#...#', '##.##', '#.#.#', '#...#', '#...#'],
  'T': ['###', '.#.', '.#.', '.#.', '.#.'],
};
const GLYPH_HEIGHT = 5;

// The text as a bitmap: array of rows of booleans, one blank column between glyphs.
function textBitmap(text) {
  const rows = Array.from({ length: GLYPH_HEIGHT }, () => []);
  [...text].forEach((ch, i) => {
    const glyph = GLYPHS[ch];
    if (!glyph) throw new Error(`no glyph for ${ch}`);
    for (let r = 0; r < GLYPH_HEIGHT; ++r) {
      if (i > 0) rows[r].push(false);
      for (const c of glyph[r]) rows[r].push(c === '#');
    }
  });
  return rows;
}

// ---- land raster -----------------------------------------------------------

function landPolygons() {
  const file = require.resolve('world-atlas/land-110m.json');
  const topology = JSON.parse(fs.readFileSync(file, 'utf8'));
  const land = topojson.feature(topology, topology.objects.land);
  const polygons = [];
  const add = (geometry) => {
    if (geometry.type === 'Polygon') polygons.push(geometry.coordinates);
    else if (geometry.type === 'MultiPolygon') polygons.push(...geometry.coordinates);
  };
  if (land.type === 'FeatureCollection') land.features.forEach((f) => add(f.geometry));
  else add(land.geometry);
  return polygons.map((rings) => rings.map(unwrapRing));
}

// Islands and coasts cut at the 180th meridian come as rings that jump from
// +180 to -180; made continuous (longitudes beyond 180) they fill correctly.
// A ring around the pole (Antarctica: its coast only) is closed over the pole.
function unwrapRing(ring) {
  const out = [ring[0].slice()];
  for (let i = 1; i < ring.length; ++i) {
    let lon = ring[i][0];
    const prev = out[i - 1][0];
    while (lon - prev > 180) lon -= 360;
    while (lon - prev < -180) lon += 360;
    out.push([lon, ring[i][1]]);
  }
  const last = out[out.length - 1];
  if (Math.abs(last[0] - out[0][0]) > 1e-9) {
    const pole = Math.sign(out[0][1]) * 90;
    out.push([last[0], pole], [out[0][0], pole], out[0].slice());
  }
  return out;
}

// Longitude intervals of land along one parallel (even-odd per polygon, union overall).
function landIntervals(polygons, lat) {
  const intervals = [];
  for (const rings of polygons) {
    const crossings = [];
    for (const ring of rings) {
      for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
        const [x1, y1] = ring[j];
        const [x2, y2] = ring[i];
        if ((y1 > lat) !== (y2 > lat)) crossings.push(x1 + ((lat - y1) / (y2 - y1)) * (x2 - x1));
      }
    }
    crossings.sort((a, b) => a - b);
    for (let k = 0; k + 1 < crossings.length; k += 2) intervals.push([crossings[k], crossings[k + 1]]);
  }
  return intervals;
}

function isLand(intervals, lon) {
  return intervals.some(([a, b]) => [lon, lon - 360, lon + 360].some((l) => l >= a && l < b));
}

function wrapLongitude(lon) {
  return ((((lon + 180) % 360) + 360) % 360) - 180;
}

// land[y][x] for the map rows above the strip, `scale` pixels per degree.
function rasteriseLand(polygons, scale) {
  const land = [];
  const step = 1 / SUPERSAMPLE;
  const half = Math.floor((SUPERSAMPLE * SUPERSAMPLE) / 2);
  for (let y = 0; y < STRIP_TOP * scale; ++y) {
    const rowIntervals = [];
    for (let sy = 0; sy < SUPERSAMPLE; ++sy)
      rowIntervals.push(landIntervals(polygons, LAT_TOP + 0.5 - (y + (sy + 0.5) * step) / scale));
    const row = [];
    for (let x = 0; x < WIDTH * scale; ++x) {
      let hits = 0;
      for (let sx = 0; sx < SUPERSAMPLE; ++sx) {
        const lon = wrapLongitude((x + (sx + 0.5) * step) / scale - 0.5 - LON0_X);
        for (const intervals of rowIntervals) if (isLand(intervals, lon)) ++hits;
      }
      row.push(hits > half);
    }
    land.push(row);
  }
  return land;
}

// ---- pictures ----------------------------------------------------------------

function picture(width, height, fill) {
  return { width, height, pixels: new Uint8Array(width * height).fill(fill) };
}

function setPixel(pic, x, y, colour) {
  if (x >= 0 && x < pic.width && y >= 0 && y < pic.height) pic.pixels[y * pic.width + x] = colour;
}

function drawMap(land) {
  const map = picture(WIDTH, HEIGHT, SEA);
  for (let y = 0; y < STRIP_TOP; ++y)
    for (let x = 0; x < WIDTH; ++x) if (land[y][x]) setPixel(map, x, y, LAND);
  for (let y = STRIP_TOP; y < HEIGHT; ++y) for (let x = 0; x < WIDTH; ++x) setPixel(map, x, y, YELLOW);
  const textTop = STRIP_TOP + Math.floor((HEIGHT - STRIP_TOP - GLYPH_HEIGHT) / 2);
  LABELS.forEach((label, zone) => {
    const bitmap = textBitmap(label);
    const [first, last] = labelCell(zone);
    const left = first + Math.floor((last - first + 1 - bitmap[0].length) / 2);
    bitmap.forEach((row, r) => row.forEach((on, c) => on && setPixel(map, left + c, textTop + r, BLACK)));
  });
  return map;
}

// One zone highlight: the slice of the map under it, sea red and land light
// cyan, the label written upwards (scaled 2x) near the bottom.
function drawHighlight(land, zone) {
  const [left, width] = HIGHLIGHTS[zone];
  const pic = picture(width, HIGHLIGHT_HEIGHT, RED);
  for (let y = 0; y < HIGHLIGHT_HEIGHT; ++y)
    for (let x = 0; x < width; ++x) {
      const mapX = left - 1 + x;
      const lon = wrapLongitude(mapX - LON0_X);
      const column = ((Math.round(lon) + LON0_X) % 360 + 360) % 360; // same longitude inside the map
      if (land[y][mapX >= 0 && mapX < WIDTH ? mapX : column]) setPixel(pic, x, y, AQUA);
    }
  const bitmap = textBitmap(LABELS[zone]);
  const scale = 2;
  const textWidth = bitmap[0].length; // becomes the height once turned
  const turnedWidth = GLYPH_HEIGHT * scale;
  // zone 0 is cut at the frame's left edge: centre its label on the visible part
  const visibleLeft = Math.max(0, 1 - left);
  const x0 = visibleLeft + Math.floor((width - visibleLeft - turnedWidth) / 2);
  const bottom = HIGHLIGHT_HEIGHT - 8;
  const y0 = bottom - textWidth * scale;
  // Turned a quarter to the left: reads from bottom to top.
  for (let r = 0; r < GLYPH_HEIGHT; ++r)
    for (let c = 0; c < textWidth; ++c) {
      if (!bitmap[r][c]) continue;
      const px = x0 + r * scale;
      const py = y0 + (textWidth - 1 - c) * scale;
      for (let dy = 0; dy < scale; ++dy)
        for (let dx = 0; dx < scale; ++dx) setPixel(pic, px + dx, py + dy, WHITE);
    }
  // a dark outline keeps the label readable over both red and cyan
  const outlined = Uint8Array.from(pic.pixels);
  for (let y = 0; y < pic.height; ++y)
    for (let x = 0; x < pic.width; ++x) {
      if (pic.pixels[y * width + x] === WHITE) continue;
      let near = false;
      for (let dy = -1; dy <= 1 && !near; ++dy)
        for (let dx = -1; dx <= 1 && !near; ++dx) {
          const nx = x + dx, ny = y + dy;
          near = nx >= 0 && nx < width && ny >= 0 && ny < pic.height && pic.pixels[ny * width + nx] === WHITE;
        }
      if (near) outlined[y * width + x] = BLACK;
    }
  pic.pixels = outlined;
  return pic;
}

// The 200 % picture of a 100 % one: land and sea from the finer raster
// (`recolour` gives a pixel's colour from it, or -1 to keep the doubled
// 100 % pixel), everything else (strip, labels, outlines) doubled.
function doubled(pic, recolour) {
  const big = picture(pic.width * 2, pic.height * 2, 0);
  for (let y = 0; y < big.height; ++y)
    for (let x = 0; x < big.width; ++x) {
      const own = recolour(x, y, pic.pixels[(y >> 1) * pic.width + (x >> 1)]);
      big.pixels[y * big.width + x] = own >= 0 ? own : pic.pixels[(y >> 1) * pic.width + (x >> 1)];
    }
  return big;
}

function drawMap2x(map, land2) {
  return doubled(map, (x, y) => (y < STRIP_TOP * 2 ? (land2[y][x] ? LAND : SEA) : -1));
}

function drawHighlight2x(pic, land2, zone) {
  const left = HIGHLIGHTS[zone][0];
  const period = 360 * 2;
  return doubled(pic, (x, y, small) => {
    if (small !== RED && small !== AQUA) return -1; // the label and its outline
    const mapX = (left - 1) * 2 + x;
    const column = mapX >= 0 && mapX < WIDTH * 2 ? mapX : ((mapX % period) + period) % period;
    return land2[y][column] ? AQUA : RED;
  });
}

// ---- PNG (4-bit indexed) -----------------------------------------------------

const CRC_TABLE = (() => {
  const table = new Uint32Array(256);
  for (let n = 0; n < 256; ++n) {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }
  return table;
})();

function crc32(buffer) {
  let c = 0xffffffff;
  for (const b of buffer) c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const body = Buffer.concat([Buffer.from(type, 'ascii'), data]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([length, body, crc]);
}

function encodePng(pic) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(pic.width, 0);
  header.writeUInt32BE(pic.height, 4);
  header[8] = 4; // bit depth
  header[9] = 3; // indexed colour
  const rowBytes = Math.ceil(pic.width / 2);
  const raw = Buffer.alloc((rowBytes + 1) * pic.height);
  for (let y = 0; y < pic.height; ++y) {
    const base = y * (rowBytes + 1);
    raw[base] = 0; // no filter
    for (let x = 0; x < pic.width; ++x) {
      const v = pic.pixels[y * pic.width + x];
      raw[base + 1 + (x >> 1)] |= x & 1 ? v : v << 4;
    }
  }
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header),
    chunk('PLTE', Buffer.from(PALETTE.flat())),
    chunk('IDAT', zlib.deflateSync(raw, { level: 9 })),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

function main() {
  const outDir = path.resolve(process.argv[2] || path.join(__dirname, '../../resources/map'));
  fs.mkdirSync(outDir, { recursive: true });
  const polygons = landPolygons();
  const land = rasteriseLand(polygons, 1);
  const land2 = rasteriseLand(polygons, 2);
  const map = drawMap(land);
  fs.writeFileSync(path.join(outDir, 'zonemap.png'), encodePng(map));
  fs.writeFileSync(path.join(outDir, 'zonemap@2x.png'), encodePng(drawMap2x(map, land2)));
  for (let zone = 0; zone < 25; ++zone) {
    const name = `zone${String(zone + 1).padStart(2, '0')}`;
    const highlight = drawHighlight(land, zone);
    fs.writeFileSync(path.join(outDir, `${name}.png`), encodePng(highlight));
    fs.writeFileSync(path.join(outDir, `${name}@2x.png`), encodePng(drawHighlight2x(highlight, land2, zone)));
  }
  console.log(`wrote zonemap.png, 25 highlights and their @2x pictures to ${outDir}`);
}

main();
