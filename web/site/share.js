// Sharing a board's link: the system's share sheet where the browser has
// one (phones, mostly), else the link copied to the clipboard.
import { tr } from './texts.js';

export const canShare = typeof navigator.share === 'function';

// The button's caption for this browser.
export const shareCaption = () => tr(canShare ? 'Share' : 'Copy link');

// Shares or copies; the caption says "Link copied" for a while after a
// copy. Returns the failure text to show, or '' (a share sheet the player
// closed is no failure).
export async function shareLink(button, url, title) {
  if (canShare) {
    try {
      await navigator.share({ title, url });
      return '';
    } catch (error) {
      if (error && error.name === 'AbortError') return '';
      // refused (no user gesture left, or not allowed here): copy instead
    }
  }
  try {
    await navigator.clipboard.writeText(url);
    button.textContent = tr('Link copied');
    setTimeout(() => (button.textContent = shareCaption()), 2000);
    return '';
  } catch {
    return tr('Could not copy the link; copy it from the address bar.');
  }
}
