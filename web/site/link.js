// A board's link: the address's fragment holds the request in the tool's
// own words, e.g. #v=1&shape=dog%20leg&mass=high&counts=Brick=5,Grain=4&fair=red,pips&zoom=75&bw=1&seed=42.
// The core reads links (web/web_link.h) and writes the request's words
// (web/web_settings.h); the page puts them into the address here.

// The seed of a new board: the time of day in milliseconds (UTC), as the
// desktop reseeds; maxSeed, the core's last seed, is the day's last millisecond.
export function seedOfNow(maxSeed) {
  return Date.now() % (maxSeed + 1);
}

// The fragment of the tool's arguments (each word followed by its value,
// the seed last); drawing: how the board is drawn ({ bw: true }), each word
// that is on written before the seed; version: the core's generator
// version, first in every link the page writes.
export function linkOf(words, drawing = {}, version = 0) {
  const parts = version ? ['v=' + version] : [];
  const drawn = Object.keys(drawing).filter((word) => drawing[word] === true).map((word) => word + '=1');
  for (let i = 0; i < words.length; i += 2) {
    if (i === words.length - 2) parts.push(...drawn);
    // Commas and equals signs stay readable; all else is escaped.
    parts.push(words[i].slice(2) + '=' + encodeURIComponent(words[i + 1]).replace(/%2C/g, ',').replace(/%3D/g, '='));
  }
  return '#' + parts.join('&');
}
